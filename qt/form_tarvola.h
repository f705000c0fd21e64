#pragma once

#include "app/form_layout.h"
#include "qt/pixels.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tarvola {

class AboutCommands;
struct FieldDefault;
class EditField;
class RefreshTimer;

// The main window: degrees-minutes-seconds to decimal degrees above, decimal degrees to
// degrees-minutes-seconds below, both refreshed ten times a second from their inputs.
class FormTarvola : public QMainWindow {
    Q_OBJECT

public:
    // The client area below the menu bar, in logical pixels.
    static constexpr QSize kClientSize = ToPixels(kFormClient).size();

    explicit FormTarvola(AboutCommands& about, QWidget* parent = nullptr);
    ~FormTarvola() override;

    // Places the window, frame and all, in the middle of its screen's available area. Until the
    // window manager has framed the window its frame is not known: it is centred again, once,
    // as soon as a frame shows.
    void centreOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createMenu();
    void createDmsToDecimal(QWidget* client);
    void createDecimalToDms(QWidget* client);
    void setTabOrder();
    void startRefresh();

    void addUnitMark(QGroupBox* frame, int index, const QString& text, const QRect& geometry);
    QLineEdit* addField(QGroupBox* frame, const char* name, const FieldDefault& field, const QString& accessibleName,
                        const QRect& geometry, bool readOnly);

    AboutCommands& m_about;

    QAction* MenuAbout = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QLabel*, 2> Label3 {};
    std::array<QLabel*, 5> Label1 {};
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;

    std::array<std::unique_ptr<EditField>, 6> m_fields;
    RefreshTimer* Timer1 = nullptr;
    bool m_centreOnceFramed = false;
};

} // namespace tarvola
