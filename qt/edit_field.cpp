#include "qt/edit_field.h"

#include "qt/fitted_text.h"

#include <QLineEdit>

namespace tarvola {

EditField::EditField(QLineEdit& edit) : m_edit(edit), m_ownFont(edit.font()) { }

std::string EditField::text() const
{
    return m_edit.text().toStdString();
}

void EditField::write(std::string_view text)
{
    const QString written =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).left(m_edit.maxLength());
    // The same text again changes nothing: no signal, no caret event for a screen reader, no
    // repaint, and the user's selection and cursor stay as they are.
    if (written == m_edit.text())
        return;
    m_edit.setText(written);
    if (m_edit.isReadOnly()) {
        m_edit.setFont(m_ownFont);
        FitField(m_edit, written);
    }
    // setText leaves the cursor at the end, and a line edit scrolls to its cursor: a result wider
    // than the field would lose its start, minus sign included. Show the start, as a Windows edit
    // control does when its text is set.
    m_edit.setCursorPosition(0);
}

} // namespace tarvola
