#include "platform/xdg/registry_error.h"
#include "platform/xdg/xdg_file_associations.h"
#include "support/xdg_sandbox.h"

#include <gtest/gtest.h>

namespace {

struct GlobCase {
    const char* name;
    const char* extension;
    const char* type;
};

const QByteArray kGlobs2 = "# comment\n"
                           "50:text/plain:*.txt\n"
                           "60:application/x-farm-report:*.fr3\n"
                           "40:application/x-old-report:*.fr3\n"
                           "50:text/x-csrc:*.C:cs\n"
                           "50:text/x-c++src:*.c\n"
                           "50:application/x-archive:*.tar.gz\n";

class GlobsTest : public ::testing::TestWithParam<GlobCase> {};

TEST_P(GlobsTest, FindsTheHeaviestTypeOfTheExtension)
{
    EXPECT_EQ(platform::mimeTypeOfExtension(kGlobs2, QString::fromUtf8(GetParam().extension)),
              QString::fromUtf8(GetParam().type));
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, GlobsTest,
    ::testing::Values(GlobCase{"plain", "txt", "text/plain"},
                      GlobCase{"anyCase", "TXT", "text/plain"},
                      GlobCase{"heaviestWins", "fr3", "application/x-farm-report"},
                      GlobCase{"caseSensitiveGlob", "C", "text/x-csrc"},
                      GlobCase{"caseSensitiveGlobOtherCase", "c", "text/x-c++src"},
                      GlobCase{"unknown", "abc", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MimePackageTest, EscapesWhatItHoldsAndNamesTheGlob)
{
    const QByteArray xml =
        platform::mimePackageXml(QStringLiteral("application/x-farm"),
                                 QStringLiteral("<report> & \"more\""), QStringLiteral("fr3"));
    EXPECT_TRUE(xml.contains("<mime-type type=\"application/x-farm\">")) << xml.constData();
    EXPECT_TRUE(xml.contains("<comment>&lt;report&gt; &amp; &quot;more&quot;</comment>"))
        << xml.constData();
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.fr3\"/>")) << xml.constData();
}

class XdgFileAssociationsTest : public testing_support::SandboxedTest {
protected:
    platform::FileTypeRegistration registration(const QString& ext, const QString& type) const
    {
        return {ext,
                type,
                QStringLiteral("Farm report"),
                QStringLiteral("/opt/farm/farm"),
                {{QStringLiteral("open"), QStringLiteral("Open"), {QStringLiteral("%1")}}}};
    }
    platform::XdgFileAssociations associations;
};

TEST_F(XdgFileAssociationsTest, RefusesNamesThatWouldReachOutsideTheirFolder)
{
    const std::vector<std::pair<QString, QString>> refused = {
        {QString(), QStringLiteral("Farm")},
        {QStringLiteral("."), QStringLiteral("Farm")},
        {QStringLiteral(".a/b"), QStringLiteral("Farm")},
        {QStringLiteral(".."), QStringLiteral("Farm")},
        {QStringLiteral(".a.b"), QStringLiteral("Farm")},
        {QStringLiteral(".a b"), QStringLiteral("Farm")},
        {QStringLiteral(".fr3"), QString()},
        {QStringLiteral(".fr3"), QStringLiteral("../../bin/x")},
        {QStringLiteral(".fr3"), QStringLiteral("a/b")},
        {QStringLiteral(".fr3"), QStringLiteral("a") + QChar(0)},
    };
    for (const auto& [ext, type] : refused)
        EXPECT_THROW(associations.registerFileType(registration(ext, type),
                                                   platform::AssociationScope::User),
                     platform::RegistryError)
            << qPrintable(ext) << " " << qPrintable(type);
    EXPECT_TRUE(sandbox.files().empty());
}

TEST_F(XdgFileAssociationsTest, AnExtensionWithoutATypeOrProgramHasNoCommand)
{
    EXPECT_EQ(associations.openCommand(QStringLiteral(".fr3")), QString());
    associations.registerFileType(
        registration(QStringLiteral(".fr3"), QStringLiteral("Farm.Report")),
        platform::AssociationScope::User);
    EXPECT_EQ(associations.openCommand(QStringLiteral(".FR3")),
              QStringLiteral("\"/opt/farm/farm\" %f"));
    EXPECT_EQ(associations.openCommand(QStringLiteral(".fr4")), QString());
    EXPECT_EQ(associations.openCommand(QStringLiteral("../fr3")), QString());
    // The default application's entry is gone: no command.
    QFile::remove(sandbox.dataHome() + QStringLiteral("/applications/Farm.Report.desktop"));
    EXPECT_EQ(associations.openCommand(QStringLiteral(".fr3")), QString());
}

} // namespace
