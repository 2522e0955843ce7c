#include "gleaner_window.h"

#include <QLabel>

GleanerWindow::GleanerWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Gleaner"));
    auto* placeholder = new QLabel(QStringLiteral("Gleaner"), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    resize(640, 480);
}
