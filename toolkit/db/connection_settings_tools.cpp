#include "toolkit/db/connection_settings_tools.h"

#include "dataaccess/base/sql_text.h"
#include "platform/end_request.h"
#include "platform/error.h"
#include "platform/keyboard_layout.h"
#include "platform/modal_box.h"
#include "platform/text_file.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/base/work_folders.h"
#include "toolkit/db/customer_chooser.h"
#include "toolkit/db/settings_files.h"

#include <cstdlib>

namespace toolkit {

ConnectionSettingsTools::ConnectionSettingsTools(const ProgramPlace& place,
                                                 CustomerChooser& chooser)
    : MultiQAsk(Multiconnection), m_place(place), m_chooser(chooser)
{
    Multiconnection.Database = QStringLiteral("master");
    Multiconnection.LoginPrompt = true;
}

void ConnectionSettingsTools::FindConStr(QString& InUser, QString& InPass, QString& InServer,
                                         QString& InDatabase)
{
    if (!findFileIgnoringCase(m_place.AppPath, kMultiUsersFile).isEmpty()) {
        findMultiCustomer(InUser, InPass, InServer, InDatabase);
        return;
    }
    const QString single = findFileIgnoringCase(m_place.AppPath, kWTimesFile);
    if (single.isEmpty())
        std::exit(0); // an installation without settings closes without a word
    const ConnectionSettings settings =
        settingsFromWTimes(wtimesLines(platform::readTextFile(single)));
    InPass = settings.Password;
    InServer = settings.Server;
    InDatabase = settings.Database;
    InUser = settings.UserName;
}

void ConnectionSettingsTools::findMultiCustomer(QString& InUser, QString& InPass, QString& InServer,
                                                QString& InDatabase)
{
    if (!connectMainServer()) {
        platform::requestEnd(); // the keyboard stays English
        return;
    }
    if (!openMultiQAsk(QStringLiteral("SELECT * FROM sysdatabases WHERE (name = 'Masters')"))) {
        platform::requestEnd();
        return;
    }
    try {
        Multiconnection.Disconnect();
        Multiconnection.LoginPrompt = false;
        Multiconnection.Database = QStringLiteral("Masters");
        Multiconnection.Connect();
    } catch (const platform::Error&) {
        platform::requestEnd();
        return;
    }
    if (!openMultiQAsk(QStringLiteral("SELECT * FROM Masters Order By DName"))) {
        platform::requestEnd();
        return;
    }
    QStringList customers;
    db::Field& name = MultiQAsk.FieldByName(QStringLiteral("DName"));
    for (MultiQAsk.First(); !MultiQAsk.Eof(); MultiQAsk.Next())
        customers.append(name.AsString());
    QString chosen;
    if (m_chooser.ChooseCustomer(customers, chosen) != platform::mrOk) {
        platform::requestEnd();
        return;
    }
    // Of two customers of the same name, the first row the server returns is taken.
    if (!openMultiQAsk(QStringLiteral("SELECT * FROM Masters Where DName=") +
                       db::sql::quoteString(chosen))) {
        platform::requestEnd(); // the row went away while the operator was choosing
        return;
    }
    InPass = MultiQAsk.FieldByName(QStringLiteral("SPass")).AsString();
    InServer = MultiQAsk.FieldByName(QStringLiteral("SName")).AsString();
    InDatabase = MultiQAsk.FieldByName(QStringLiteral("EngDName")).AsString();
    InUser = QStringLiteral("sa");
}

bool ConnectionSettingsTools::connectMainServer()
{
    const QString found = findFileIgnoringCase(m_place.AppPath, kMultiConnectFile);
    const QString remembered = found.isEmpty() ? m_place.AppPath + kMultiConnectFile : found;
    try {
        platform::switchKeyboardLayout(platform::kEnglishLayout);
        Multiconnection.LoginPrompt = true;
        if (!found.isEmpty()) {
            Multiconnection.setSettings(
                settingsFromMultiConnect(platform::readTextLines(remembered)));
            Multiconnection.LoginPrompt = false;
        }
        Multiconnection.Connect();
        // The file holds a password in plain text: only its owner may ever read it.
        platform::writePrivateTextFile(remembered, multiConnectLines(Multiconnection.settings()));
        platform::switchKeyboardLayout(platform::kPersianLayout);
        return true;
    } catch (const platform::Error&) {
        return false;
    }
}

bool ConnectionSettingsTools::openMultiQAsk(const QString& statement)
{
    MultiQAsk.Close();
    MultiQAsk.setSQL(statement);
    MultiQAsk.Open();
    return !MultiQAsk.IsEmpty();
}

} // namespace toolkit
