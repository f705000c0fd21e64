#include "qt/about_controller.h"
#include "qt/desktop_session.h"
#include "qt/form_tarvola.h"
#include "qt/open_link.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const auto app = tarvola::StartOnDesktop(argc, argv);

    tarvola::AboutController about(tarvola::OpenLink);
    tarvola::FormTarvola window(about);
    window.show();
    return tarvola::LeaveDesktop(QApplication::exec());
}
