#pragma once

#include <QString>
#include <QStringList>

namespace toolkit {

struct ProgramPlace;
struct ServerSlot;
class MessageBoard;
class MessageBoxes;

/// Runs script files batch by batch on the toolkit's connection, reporting every batch on the
/// message board, and fills lists from one SELECT.
class ScriptRunner {
public:
    ScriptRunner(const ServerSlot& slot, const ProgramPlace& place, MessageBoxes& boxes,
                 MessageBoard& board);

    /// Runs the script FName under the title Title: false only when the file does not exist
    /// (a plain message box says so); true once it ran, even when batches failed. Every batch
    /// runs, failed or not; the board gets one row per non-empty batch and one message box sums
    /// up the failures. The script as loaded is copied to "T4V/Temp.Txt". A script that exists
    /// but cannot be read, or whose copy cannot be written, raises platform::Error after the
    /// recording was stopped.
    bool DoScriptFromfile(const QString& Title, const QString& FName);
    /// Fills It with the first column of SqlSt's rows and answers their number. Only a statement
    /// whose first six characters read SELECT runs; failures are silent (rows read so far stay,
    /// the answer is 0). The statement is written to "DoSqlForCreateList.txt" beside the program
    /// first; failing to write it raises platform::Error.
    int DoSqlForCreateList(const QString& SqlSt, QStringList& It);

private:
    const ServerSlot& m_slot;
    const ProgramPlace& m_place;
    MessageBoxes& m_boxes;
    MessageBoard& m_board;
};

} // namespace toolkit
