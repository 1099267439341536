// PagedBook: a paged container whose pages are known by name, one shown at a time.
#pragma once

#include <QStackedWidget>
#include <QString>
#include <vector>

namespace taluvin {

class PagedBook : public QStackedWidget {
  Q_OBJECT
 public:
  explicit PagedBook(QWidget* parent = nullptr) : QStackedWidget(parent) {}

  // Pages are plain widgets that children are placed on by absolute geometry.
  QWidget* addPage(const QString& name);
  QWidget* page(const QString& name) const;
  void showPage(const QString& name);
  QString currentPageName() const;

 private:
  std::vector<QString> names_;
};

}  // namespace taluvin
