#include "support/qstring_printer.h"
#include "toolkit/db/script_batches.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using Batches = std::vector<std::pair<int, QString>>;

Batches batchesOf(const QStringList& script)
{
    Batches out;
    for (const toolkit::ScriptBatch& b :
         toolkit::scriptBatches(toolkit::withoutCommentsAndEmptyLines(script)))
        out.emplace_back(b.number, b.text);
    return out;
}

struct SplitCase {
    const char* name;
    QStringList script;
    Batches expected;
};

class ScriptSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(ScriptSplitTest, Batches)
{
    EXPECT_EQ(batchesOf(GetParam().script), GetParam().expected);
}

const QString crlf = QStringLiteral("\r\n");

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptSplitTest,
    testing::Values(
        SplitCase{"TwoBatchesEachEnded", {"A", "GO", "B", "GO"}, {{1, "A"}, {2, "B"}}},
        SplitCase{"LastSeparatorMissing", {"A", "GO", "B"}, {{1, "A"}, {2, "B"}}},
        SplitCase{"SeparatorSpellings",
                  {"A", "go", "B", "Go", "C", "  GO \t", "D", "\tgO\r"},
                  {{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}}},
        SplitCase{"GoWithMoreStaysInBatch",
                  {"A", "GO;", "B", "GO 2", "GO"},
                  {{1, "A" + crlf + "GO;" + crlf + "B" + crlf + "GO 2"}}},
        SplitCase{"TwoSeparatorsInARowUseUpANumber",
                  {"A", "GO", "GO", "B", "GO"},
                  {{1, "A"}, {2, ""}, {3, "B"}}},
        SplitCase{"LeadingSeparatorIsAnEmptyFirstBatch", {"GO", "A"}, {{1, ""}, {2, "A"}}},
        SplitCase{"CommentLinesGoEvenMidStatement",
                  {"// head", "SELECT A,", "-- middle", "B FROM T", "GO"},
                  {{1, "SELECT A," + crlf + "B FROM T"}}},
        SplitCase{"IndentedAndTrailingCommentsStay",
                  {"  -- kept", "SELECT 1 -- also kept", "GO"},
                  {{1, "  -- kept" + crlf + "SELECT 1 -- also kept"}}},
        SplitCase{"EmptyLinesGoBlankLinesStay",
                  {"A", "", "   ", "B"},
                  {{1, "A" + crlf + "   " + crlf + "B"}}},
        SplitCase{"CommentsAfterASeparatorVanish", {"A", "GO", "--", "//x"}, {{1, "A"}}},
        SplitCase{"NothingLeftNoBatch", {"", "-- only", "//"}, {}},
        SplitCase{"OnlySeparator", {"GO"}, {{1, ""}}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

} // namespace
