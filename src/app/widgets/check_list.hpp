#pragma once
// A check list: items with ticks. A click on an item (its box or its text) or
// the space bar on the current item turns its tick over and raises
// itemClicked, the list's click event.
#include <QListWidget>
#include <string>
#include <vector>

namespace app {

class CheckListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit CheckListWidget(QWidget* parent = nullptr);

    // Replaces the items (captions and ticks; missing ticks are off).
    void setItems(const std::vector<std::string>& items, const std::vector<bool>& ticks);
    std::vector<bool> ticks() const;
    bool ticked(int index) const;
    // The user's click on an item.
    void clickItem(int index);

    QSize sizeHint() const override;

signals:
    void itemClicked(int index);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace app
