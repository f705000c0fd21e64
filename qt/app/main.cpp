#include "about_controller.h"
#include "application_setup.h"
#include "desktop_session.h"
#include "form_tarvola.h"
#include "open_link.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const auto app = tarvola::StartOnDesktop(argc, argv);
    tarvola::ConfigureApplication();

    tarvola::AboutController about(tarvola::OpenLink);
    tarvola::FormTarvola window(about);
    window.centreOnScreen();
    window.show();
    return tarvola::LeaveDesktop(QApplication::exec());
}
