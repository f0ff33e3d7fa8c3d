#include "app/selection_program.h"

#include "platform/end_request.h"
#include "toolkit/tools.h"

#include <QCoreApplication>

namespace app {
namespace {

void processPendingMessages()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

SelectionProgram::SelectionProgram(const QString& programFolder)
    : m_form(std::make_unique<TSelectForm>())
{
    processPendingMessages();
    m_tools = std::make_unique<toolkit::TTools>(programFolder);
    m_tools->FormCreate();
    m_dm = std::make_unique<TDM>(*m_tools);
    m_form->attach(*m_tools, *m_dm);
    processPendingMessages();
}

SelectionProgram::~SelectionProgram()
{
    // The data module gives the toolkit its own connection back before the toolkit goes; the
    // form, made first, goes last.
    m_dm.reset();
    m_tools.reset();
    m_form.reset();
}

void SelectionProgram::show()
{
    if (!platform::endRequested())
        m_form->show();
}

} // namespace app
