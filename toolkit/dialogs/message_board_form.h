#pragma once

#include "toolkit/boxes/message_board.h"
#include "toolkit/dialogs/board_rows.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QTableWidget;

namespace controls {
class BorderedPanel;
class BouncingBar;
class FlatButton;
} // namespace controls

namespace toolkit {

/// The message board: a window on which long operations write a report of titled rows while a
/// busy bar moves under it. The reader may save the report as a text file. Closing only hides
/// the board; Enter and Escape close it at any time, even while a report is being recorded.
class TMessageBoardForm : public QWidget, public MessageBoard {
    Q_OBJECT
public:
    /// Asks for the name to save the report under, given the suggested name and the file-type
    /// filter; an empty name means the reader cancelled.
    using SaveNameChooser = std::function<QString(QWidget* parent, const QString& suggestedName,
                                                  const QString& filter)>;
    /// Opens a file in the program the desktop associates with it.
    using FileOpener = std::function<bool(const QString& path)>;

    /// onShow runs each time the board becomes visible. The defaults ask through the desktop's
    /// save dialog and open through the shell.
    explicit TMessageBoardForm(std::function<void()> onShow, SaveNameChooser chooseSaveName = {},
                               FileOpener openFile = {});

    void StartRecording(bool IsFarsi, const QString& Title) override;
    void PostThisMessage(const QString& Titr, const QString& Value) override;
    void StopRecording() override;
    bool isOnScreen() const override;

    /// Opens FileName in the program the desktop associates with it; failures are ignored.
    void ExecuteFile(const QString& FileName);

    /// The rows of the report, in posting order.
    std::vector<BoardRow> rows() const;
    /// The report file's lines: one "title=text" per row.
    QStringList reportLines() const;

    /// The filter of the save dialog.
    static QString saveFilter();

    QTableWidget* MessageList;
    controls::BouncingBar* PBT;
    controls::BorderedPanel* dxContainer1;
    controls::FlatButton* dxButton1;
    controls::FlatButton* dxButton2;
    QLabel* Label1;

public slots:
    /// The return button: hides the board.
    void dxButton1Click();
    /// The save button: saves the report where the reader chooses and opens the file.
    void dxButton2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void appendRow(const BoardRow& row);
    void showRowCount();
    void saveReport();

    std::function<void()> m_onShow;
    SaveNameChooser m_chooseSaveName;
    FileOpener m_openFile;
    bool m_placed = false;
};

} // namespace toolkit
