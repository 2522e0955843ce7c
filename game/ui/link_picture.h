// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

class ProgramFiles;

// A picture that opens a web page: clicked with the mouse, or focused with Tab and
// activated with Enter or Space. When its picture file is missing it shows its text.
class LinkPicture : public QLabel {
    Q_OBJECT

public:
    // `description` is the tooltip and the accessible name; `fallbackText` stands in
    // for the picture.
    LinkPicture(const QString& description, const QString& fallbackText, QWidget* parent = nullptr);

    // Loads the picture of `files` (name matched without regard to case).
    void LoadPicture(const ProgramFiles& files, const QString& fileName);
    bool ShowsPicture() const { return showsPicture_; }
    // Opens the link, as a click, Enter, Space or a screen reader's Press do.
    void Activate();

signals:
    void Activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString fallbackText_;
    bool showsPicture_ = false;
};
