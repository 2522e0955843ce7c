#pragma once

#include <QMainWindow>

// Gleaner's main window: reads a text file and appends the words not yet known to
// the per-length word files.
class GleanerWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit GleanerWindow(QWidget* parent = nullptr);
};
