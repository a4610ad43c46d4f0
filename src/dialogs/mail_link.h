#pragma once
// A label that reads as a link: blue, underlined, a pointing hand, and a
// click when the button is released over it. Assistive tools see a link,
// named by its text, whose press is the same click.
#include <QLabel>
#include <functional>

namespace dialogs {

class MailLink : public QLabel {
    Q_OBJECT

public:
    MailLink(const QString& text, QWidget* parent);

    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    // Follows the link, as a click on it does.
    void Activate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

}  // namespace dialogs
