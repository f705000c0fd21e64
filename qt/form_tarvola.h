#pragma once

#include "app/form_fields.h"
#include "app/form_layout.h"
#include "qt/pixels.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;

namespace tarvola {

class AboutCommands;
class EditField;
class RefreshTimer;

// The main window: degrees-minutes-seconds to decimal degrees above, decimal degrees to
// degrees-minutes-seconds below, both refreshed ten times a second from their inputs by Timer1.
// Its controls, their texts, fonts and places are the shared layout's (form_layout.h). A fixed
// dialog frame, centred on its screen, kept out of the taskbar; showing it is the caller's.
class FormTarvola : public QMainWindow {
    Q_OBJECT

public:
    // The client area below the menu bar, in logical pixels.
    static constexpr QSize kClientSize = ToPixels(kFormClient).size();

    explicit FormTarvola(AboutCommands& about, QWidget* parent = nullptr);
    ~FormTarvola() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void createControls(QWidget* client);
    void setTabOrder();
    void writeDefaults();
    void startRefresh();

    [[nodiscard]] QWidget* addFrame(const FormPlace& place, QWidget* client);
    [[nodiscard]] QLabel* addLabel(const FormPlace& place, QWidget* frame);
    [[nodiscard]] QLineEdit* addField(const FormPlace& place, const FormField& field, QWidget* frame);

    // The control of the layout, once created.
    [[nodiscard]] QWidget* control(FormControl name) const { return m_controls[static_cast<std::size_t>(name)]; }
    // One of the six fields, once created.
    [[nodiscard]] QLineEdit* field(const FormField& field) const;
    // The six fields as the refresh cycle takes them; once the controls exist.
    [[nodiscard]] RefreshFields refreshFields() const;

    AboutCommands& m_about;

    QAction* MenuAbout = nullptr;
    // Frame1 ... Text6, by FormControl.
    std::array<QWidget*, kFormLayout.size()> m_controls {};
    std::array<std::unique_ptr<EditField>, kFormFields.size()> m_fields;
    RefreshTimer* Timer1 = nullptr;
};

} // namespace tarvola
