#include "core/summary.h"

#include "core/cp1251.h"
#include "core/numbers.h"
#include "core/texts.h"

#include <cstdint>
#include <optional>

namespace squadlens {
namespace {

bool isMarker(std::string_view text) { return text == texts::newcomer() || text == texts::leaver(); }

// Sums and differences of money are 64-bit: a squad's total may pass 2^31
// even though each figure fits 32 bits.
std::string moneyText(std::int64_t v) { return AddDots(std::to_string(v)); }

// The rating accumulators are single precision; each step is done in
// extended precision and rounded back.
struct RatingSum {
    float sum = 0;
    float count = 0;
    void add(long double rating)
    {
        sum = static_cast<float>(static_cast<long double>(sum) + rating);
        count = static_cast<float>(static_cast<long double>(count) + 1);
    }
    float average() const
    {
        return static_cast<float>(static_cast<long double>(sum) / static_cast<long double>(count));
    }
};

void setRow(TextTable &table, int row, std::string_view c0, std::string_view c1, std::string_view c2,
            std::string_view c3, std::string_view c4)
{
    table.setCell(0, row, c0);
    table.setCell(1, row, c1);
    table.setCell(2, row, c2);
    table.setCell(3, row, c3);
    table.setCell(4, row, c4);
}

} // namespace

void fillSummaryTables(const TextTable &sub, ResultTables &t)
{
    static const std::string averageRating = toCp1251("Средний РУ:"),
                             totalValue = toCp1251("Общая стоимость:"),
                             totalSalary = toCp1251("Общая ЗП:");
    const std::string &newcomer = texts::newcomer();
    const std::string &leaver = texts::leaver();
    const std::string_view na = texts::kNotApplicable;

    TextTable &ru = t.StringGrid_ru;
    TextTable &pr = t.StringGrid_pr;
    TextTable &pay = t.StringGrid_pay;

    RatingSum oldRating, newRating;
    std::int64_t oldValue = 0, newValue = 0, oldSalary = 0, newSalary = 0;

    const int last = sub.rowCount() - 1;
    for (TextTable *table : {&ru, &pr, &pay})
        table->reserveWritten(last + 2, static_cast<std::size_t>(last + 2) * 48);
    for (int r = 1; r <= last; ++r) {
        const auto col = [&](int c) { return sub.cell(c, r); };
        const bool paired = col(9) == "1";

        ru.setRowCount(ru.rowCount() + 1);
        pr.setRowCount(pr.rowCount() + 1);
        pay.setRowCount(pay.rowCount() + 1);

        ru.setCell(0, r, col(1));
        ru.setCell(1, r, col(2));
        ru.setCell(2, r, col(3));
        ru.setCell(3, r, col(4));
        // Each figure is read once; a marker or a bad text where a number is
        // needed fails at the same read, and in the same order, as reading it
        // at every use would.
        std::optional<long double> newer, older;
        if (paired) {
            newer = strToFloat(ru.cell(3, r));
            older = strToFloat(ru.cell(2, r));
            ru.setCell(4, r, formatGrowth(static_cast<float>(*newer - *older)));
        } else {
            ru.setCell(4, r, na);
        }

        pr.setCell(0, r, col(1));
        pr.setCell(1, r, col(2));

        if (col(3) != newcomer)
            oldRating.add(older ? *older : strToFloat(col(3)));
        if (col(4) != leaver)
            newRating.add(newer ? *newer : strToFloat(col(4)));

        const auto money = [&](int c, std::optional<std::int32_t> &read, std::int64_t &sum) {
            if (!isMarker(col(c))) {
                read = strToInt(col(c));
                sum += *read;
            }
        };
        const auto change = [&](TextTable &table, int oldCol, int newCol, const std::optional<std::int32_t> &o,
                                const std::optional<std::int32_t> &n) {
            if (!paired) {
                table.setCell(4, r, na);
                return;
            }
            const std::int64_t newer = n ? *n : strToInt(col(newCol));
            const std::int64_t older = o ? *o : strToInt(col(oldCol));
            table.setCell(4, r, moneyText(newer - older));
        };

        std::optional<std::int32_t> oldV, newV, oldS, newS;
        money(5, oldV, oldValue);
        pr.setCell(2, r, AddDots(col(5)));
        money(6, newV, newValue);
        pr.setCell(3, r, AddDots(col(6)));
        change(pr, 5, 6, oldV, newV);

        pay.setCell(0, r, col(1));
        pay.setCell(1, r, col(2));
        pay.setCell(2, r, AddDots(col(7)));
        pay.setCell(3, r, AddDots(col(8)));
        money(7, oldS, oldSalary);
        money(8, newS, newSalary);
        change(pay, 7, 8, oldS, newS);
    }

    const int totals = last < 1 ? 1 : last + 1;
    setRow(pay, totals, totalSalary, "", moneyText(oldSalary), moneyText(newSalary),
           moneyText(newSalary - oldSalary));

    // A snapshot without players has no average: "n/a" for it and the change.
    const bool hasOld = oldRating.count > 0, hasNew = newRating.count > 0;
    const float oldAverage = hasOld ? oldRating.average() : 0;
    const float newAverage = hasNew ? newRating.average() : 0;
    const std::string change =
        hasOld && hasNew
            ? formatAverage(static_cast<float>(static_cast<long double>(newAverage) - oldAverage))
            : std::string(na);
    setRow(ru, totals, averageRating, "", hasOld ? formatAverage(oldAverage) : std::string(na),
           hasNew ? formatAverage(newAverage) : std::string(na), change);

    setRow(pr, totals, totalValue, "", moneyText(oldValue), moneyText(newValue),
           moneyText(newValue - oldValue));
}

} // namespace squadlens
