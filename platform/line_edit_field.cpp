#include "line_edit_field.h"

#include <QLineEdit>

namespace tarvola {

std::string LineEditField::text() const
{
    return m_edit.text().toStdString();
}

void LineEditField::write(std::string_view text)
{
    const QString written =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).left(m_edit.maxLength());
    if (written != m_edit.text()) {
        m_edit.setText(written);
        return;
    }
    // setText would drop the selection and move the cursor to the end even for the same text.
    const int cursor = m_edit.cursorPosition();
    const int selectionStart = m_edit.selectionStart();
    const int selectionLength = static_cast<int>(m_edit.selectedText().size());
    m_edit.setText(written);
    if (selectionStart < 0) {
        m_edit.setCursorPosition(cursor);
        return;
    }
    // Keep the selection's direction: the cursor stays at whichever end it was.
    const int anchor = cursor == selectionStart ? selectionStart + selectionLength : selectionStart;
    m_edit.setSelection(anchor, cursor - anchor);
}

} // namespace tarvola
