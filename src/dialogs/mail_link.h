#pragma once
// A label that reads as a link: blue, underlined, a pointing hand, and a
// click when the button is released over it. Tab reaches it, and Enter or
// Space then follows it. Assistive tools see a link, named by its text,
// whose press is the same click.
#include <QLabel>

namespace dialogs {

class MailLink : public QLabel {
    Q_OBJECT

public:
    MailLink(const QString& text, QWidget* parent);

    // Follows the link, as a click on it does.
    Q_INVOKABLE void Press();

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace dialogs
