// The report definition's lines: titles, the SELECT list with its separators, the FROM line.
#include "app/lists/report_definition.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct DefinitionCase {
    const char* name;
    std::vector<app::ReportColumn> columns;
    QStringList expected;
};

/// The case's name, in test listings.
void PrintTo(const DefinitionCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReportDefinition : public ::testing::TestWithParam<DefinitionCase> {};

TEST_P(ReportDefinition, HasItsLines)
{
    EXPECT_EQ(app::reportDefinitionLines(GetParam().columns), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportDefinition,
    ::testing::Values(
        DefinitionCase{"ThreeColumnsLastWithoutComma",
                       {{QStringLiteral("سريال"), QStringLiteral("Serial")},
                        {QStringLiteral("DIM"), QStringLiteral("DIM")},
                        {QStringLiteral("اسپرم 5"), QStringLiteral("Es5")}},
                       {QStringLiteral("~سريال"), QStringLiteral("~DIM"),
                        QStringLiteral("~اسپرم 5"), QStringLiteral("Select "),
                        QStringLiteral("Serial ,"), QStringLiteral("DIM ,"), QStringLiteral("Es5"),
                        QStringLiteral("From [2Tarvex] ")}},
        DefinitionCase{"OneColumnStandsAlone",
                       {{QStringLiteral("بدن"), QStringLiteral("Body")}},
                       {QStringLiteral("~بدن"), QStringLiteral("Select "), QStringLiteral("Body"),
                        QStringLiteral("From [2Tarvex] ")}},
        DefinitionCase{
            "NoVisibleColumn", {}, {QStringLiteral("Select "), QStringLiteral("From [2Tarvex] ")}}),
    [](const ::testing::TestParamInfo<DefinitionCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
