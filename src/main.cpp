#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Cuescroll"));
    QCoreApplication::setApplicationName(QStringLiteral("Cuescroll"));

    frmMain window;
    QObject::connect(&window, &frmMain::unloaded, &app, &QCoreApplication::quit);
    window.showMaximized();
    return app.exec();
}
