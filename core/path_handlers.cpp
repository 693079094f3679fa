#include "core/path_handlers.h"

#include "core/archiver.h"
#include "core/cp1251.h"
#include "core/load_checks.h"
#include "core/texts.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace squadlens {
namespace {

// Byte offsets of the characters of a UTF-8 text, and its end.
std::vector<std::size_t> charStarts(const std::string &s)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(s.size());
    return starts;
}

// `count` characters from character `from` (both counted from 0).
std::string charSubstr(const std::string &s, const std::vector<std::size_t> &starts, std::size_t from,
                       std::size_t count)
{
    const std::size_t length = starts.size() - 1;
    if (from >= length)
        return {};
    const std::size_t to = std::min(length, from + count);
    return s.substr(starts[from], starts[to] - starts[from]);
}

} // namespace

std::string shortenPath(const std::string &path)
{
    const auto starts = charStarts(path);
    const std::size_t length = starts.size() - 1;
    if (length <= 44)
        return path;
    const bool drive = length > 1 && path[starts[1]] == ':';
    return charSubstr(path, starts, 0, 1) + (drive ? ":\\..." : "...") +
           charSubstr(path, starts, length - 35, 35);
}

bool isArchiveName(const std::string &name)
{
    return name.size() >= 3 && name.compare(name.size() - 3, 3, "zip") == 0;
}

PathHandlers::PathHandlers(Engine &engine, HandlerView &view) : m_engine(engine), m_view(view)
{
    m_old.pathLabel = {texts::kOldPrompt, clMaroon};
    m_old.teamLabel = {texts::kNotChosen, clMaroon};
    m_new.pathLabel = {texts::kNewPrompt, clMaroon};
    m_new.teamLabel = {texts::kNotChosen, clMaroon};
}

const std::string &PathHandlers::scratchFolder()
{
    if (m_scratch.empty())
        m_scratch = squadlens::scratchFolder();
    return m_scratch;
}

void PathHandlers::fileChosen(Side side, const std::optional<std::string> &chosen)
{
    SideState &s = at(side);
    s.dialogTag = 0;
    if (!chosen || chosen->empty())
        return;
    const std::string &name = *chosen;

    if (isArchiveName(name)) {
        s.dialogTag = 1;
        const std::string &scratch = scratchFolder();
        ZipArchiver zip;
        zip.BaseDir = scratch;
        zip.TempDir = scratch;
        zip.FileName = name;
        zip.OpenArchive();
        zip.ExtractFiles();
        zip.CloseArchive();

        // The archive X.zip is expected to hold X.dat at its root: the name
        // after the last "/" (the last character not counted) less its last
        // four characters.
        const auto starts = charStarts(name);
        const std::size_t length = starts.size() - 1;
        const std::size_t lastChar = starts[length - 1];
        const std::size_t slash = lastChar == 0 ? std::string::npos : name.rfind('/', lastChar - 1);
        const std::size_t b =
            slash == std::string::npos
                ? 0
                : static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), slash) -
                                           starts.begin());
        const std::size_t count = length >= b + 4 ? length - b - 4 : 0;
        setPath(side, scratch + "/" + charSubstr(name, starts, b, count) + ".dat");
    } else {
        setPath(side, name);
    }

    s.pathLabel.caption = shortenPath(name);
}

void PathHandlers::setPath(Side side, const std::string &path)
{
    SideState &s = at(side);
    if (s.path == path)
        return;
    s.path = path;
    pathChanged(side);
}

void PathHandlers::pathChanged(Side side)
{
    SideState &s = at(side);
    if (s.path.empty())
        return;

    Engine &e = m_engine;
    Lines &lines = side == Side::Old ? e.ws.ListBoxO : e.ws.ListBoxN;
    lines = readTeamFile(s.path);

    // A file unpacked from an archive is not kept once its lines are loaded.
    if (s.dialogTag != 0)
        std::remove(s.path.c_str());

    if (!isTeamFile(lines)) {
        setPath(side, "");
        m_view.messageBox(texts::kNotTeamFile, texts::kErrorTitle, MessageIcon::Error);
        return;
    }

    const TeamIdentity team = teamOfLine(lines[2]);
    (side == Side::Old ? e.L1 : e.L2) = team.name;
    (side == Side::Old ? e.TID1 : e.TID2) = team.id;

    s.pathLabel.colour = clGreen;
    s.teamLabel = {toUtf8(team.name) + texts::kTeamLabelJoin + toUtf8(dateTextOfLine(lines[1])), clGreen};

    if (m_old.path.empty() || m_new.path.empty())
        return;

    switch (decidePair(e.TID1, e.TID2, e.ws.ListBoxO, e.ws.ListBoxN)) {
    case PairDecision::CompareDifferentTeams:
        m_view.messageBox(texts::kDifferentTeams, texts::kWarningTitle, MessageIcon::Information);
        FillButtonClick(e, m_view);
        return;
    case PairDecision::Compare:
        FillButtonClick(e, m_view);
        return;
    case PairDecision::WrongOrder:
        rejectPair(side);
        return;
    }
}

void PathHandlers::rejectPair(Side side)
{
    m_old.pathLabel = {texts::kOldPrompt, clMaroon};
    m_new.pathLabel = {texts::kNewPrompt, clMaroon};
    m_old.teamLabel = {texts::kNotChosen, clMaroon};
    m_new.teamLabel = {texts::kNotChosen, clMaroon};
    setPath(Side::Old, "");
    setPath(Side::New, "");
    if (side == Side::New) {
        m_engine.TID1.clear();
        m_engine.TID2.clear();
    }
    ClearTables(m_engine.results, m_engine.ws);
    m_view.messageBox(side == Side::Old ? texts::kOldTooNew : texts::kNewTooOld, texts::kErrorTitle,
                      MessageIcon::Error);
}

} // namespace squadlens
