#include "core/texts.h"

#include "core/cp1251.h"

namespace squadlens::texts {

const std::string &newcomer()
{
    static const std::string text = toCp1251("новичок клуба");
    return text;
}

const std::string &leaver()
{
    static const std::string text = toCp1251("покинул клуб");
    return text;
}

} // namespace squadlens::texts
