#pragma once

#include <QString>

namespace toolkit {

struct ServerSlot;
class MessageBoxes;
class MessageBoard;

/// Key/value settings in the farm's table "Dbo.Info", grouped by section (`GroupSec`, `KeyName`,
/// `KeyValue`, `Discription`); a blank section is the section "DEFAULT". Each operation opens its
/// own table object on the toolkit's ServerConnection and releases it on every path. The reads
/// and the write catch nothing: a missing table or a failed post reaches the caller as DbError.
class InformationTable {
public:
    InformationTable(const ServerSlot& slot, MessageBoxes& boxes, MessageBoard& board);

    /// Sets the key's value, adding the key (with its description, when one is given) if it is
    /// new; an existing key keeps its description.
    void WriteInformation(const QString& Section, const QString& KeyName, const QString& KeyValue,
                          const QString& Discription);
    /// KeyValue := the key's value as text, or "NOTANSWER" when the key does not exist.
    void ReadInformation(const QString& Section, const QString& KeyName, QString& KeyValue);
    /// The key's value as text, or "NOTANSWER" when the key does not exist.
    QString FReadInformation(const QString& Section, const QString& KeyName);
    /// Lists the section "Version" (key as title, value as text) on the message board; a failing
    /// query is told in a message box. The recording is always stopped.
    void VersionShow();

private:
    const ServerSlot& m_slot;
    MessageBoxes& m_boxes;
    MessageBoard& m_board;
};

} // namespace toolkit
