#include "gleaner_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gleaner"));
    GleanerWindow window;
    window.show();
    return app.exec();
}
