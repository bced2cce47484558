#pragma once

#include <QWidget>
#include <functional>

namespace qv {

// A top-level window whose controls are built when it is first shown, or
// earlier when buildContent is called. The windows are created at start-up
// but most stay hidden for a while, and the main menu shows sooner without
// their controls. onContentBuilt runs once the controls exist.
class DeferredWindow : public QWidget {
 public:
  using QWidget::QWidget;

  void buildContent() {
    if (built_) return;
    built_ = true;
    createContent();
    if (onContentBuilt) onContentBuilt();
  }

  std::function<void()> onContentBuilt;

  void setVisible(bool visible) override {
    if (visible) buildContent();
    QWidget::setVisible(visible);
  }

 protected:
  virtual void createContent() = 0;

 private:
  bool built_ = false;
};

}  // namespace qv
