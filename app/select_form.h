#pragma once

#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace controls {
class FlatButton;
class GradientLabel;
} // namespace controls

namespace db {
class GridModel;
}

namespace toolkit {
class TTools;
}

namespace app {

class TDM;
class WorkingList;
enum class LookupEntry;

/// The selection form, the program's main form: the operator types an animal's body number or
/// plastic ear-tag number, presses Enter, and the animal joins the working list shown in the
/// grid. A side panel on the right holds the entries and the list's buttons. The form is made
/// before the toolkit and the data module exist; attach() binds it to them.
class TSelectForm : public QWidget {
    Q_OBJECT
public:
    explicit TSelectForm(QWidget* parent = nullptr);
    ~TSelectForm() override;

    /// Binds the form to the toolkit and the data module once both exist: the grid then shows
    /// the working list. Until then the handlers do nothing.
    void attach(toolkit::TTools& tools, TDM& dm);

    /// Show handler: records whether the farm has protocol tables and fills the work area.
    void FormShow();
    /// Key handlers of the ear-tag and the body entry: Enter looks the animal up, any other
    /// character re-reads the working list and reaches the entry as usual.
    void edit1KeyPress(QChar& Key);
    void edit2KeyPress(QChar& Key);
    /// Adds the animal with serial Ser to the working list.
    void InsertList(const QString& Ser);

    /// Delete, delete all, report and return.
    void dxButton4Click();
    void dxButton3Click();
    void dxButton1Click();
    void dxButton2Click();

    // The controls, named as the handlers and the report know them.
    QWidget* pnl2;
    controls::GradientLabel* GradientLabel1;
    QGroupBox* grp4;
    QGroupBox* rg1;
    QButtonGroup* rg1Items;
    QLabel* lblWarmLab;
    QLabel* lbl3;
    QLineEdit* edit2;
    QLabel* lbl4;
    QLineEdit* edit1;
    controls::FlatButton* dxButton4;
    controls::FlatButton* dxButton3;
    controls::FlatButton* dxButton1;
    QCheckBox* CheckBox1;
    controls::FlatButton* dxButton2;
    QTableView* CRDBGrid1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    void buildGrid();
    void keyPress(LookupEntry entry, QChar key);
    void lookUp(LookupEntry entry);
    void followCurrentRow();
    void applyColumnWidths();
    /// Widens the columns whose values in rows firstRow..lastRow would not show whole; true
    /// when one was widened.
    bool widenColumnsToFit(int firstRow, int lastRow);
    /// Places the window, frame included, on the desktop work area.
    void fitToWorkArea();
    void watchTheFrame();

    toolkit::TTools* m_tools = nullptr;
    TDM* m_dm = nullptr;
    std::unique_ptr<WorkingList> m_list;
    std::unique_ptr<db::GridModel> m_gridModel;
    std::vector<int> m_columnWidths; ///< pixels, one a grid column
    bool m_applyingWidths = false;
    bool m_shown = false;
    QMargins m_fittedFrame; ///< the window manager's frame the last fit allowed for
    QTimer m_frameWatch;
    int m_frameWatchTicks = 0;
};

} // namespace app
