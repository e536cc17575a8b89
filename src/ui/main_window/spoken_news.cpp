// Main window: news a screen reader speaks by itself, wherever the focus is.
#include "ui/main_window/spoken_news.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>

namespace breliko::ui {

namespace {

class NewsInterface : public QAccessibleInterface {
 public:
  explicit NewsInterface(SpokenNews* news) : news_(news) {}

  bool isValid() const override { return news_ != nullptr; }
  QObject* object() const override { return news_; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(news_->parent());
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? news_->Text() : QString();
  }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  // Focusable, so that a reader follows it there; never focused, so that
  // the field or button that has the keys stays the one that counts.
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    return state;
  }

 private:
  QPointer<SpokenNews> news_;
};

QAccessibleInterface* Interface(const QString& /*className*/, QObject* object) {
  if (auto* news = qobject_cast<SpokenNews*>(object)) return new NewsInterface(news);
  return nullptr;
}

}  // namespace

SpokenNews::SpokenNews(QObject* window) : QObject(window) { setObjectName(QStringLiteral("news")); }

void SpokenNews::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(Interface);
    return true;
  }();
  (void)installed;
}

// Without a screen reader nothing is sent, and nothing waits.
void SpokenNews::Tell(const QString& text) {
  if (text.isEmpty()) return;
  text_ = text;
  if (!QAccessible::isActive()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace breliko::ui
