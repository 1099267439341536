// Named pages of a paged container.
#include "present/paged_book.h"

namespace taluvin {

QWidget* PagedBook::addPage(const QString& name) {
  auto* page = new QWidget(this);
  page->setObjectName(name);
  addWidget(page);
  names_.push_back(name);
  return page;
}

QWidget* PagedBook::page(const QString& name) const {
  for (size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == name) return widget(static_cast<int>(i));
  return nullptr;
}

void PagedBook::showPage(const QString& name) {
  if (auto* p = page(name)) setCurrentWidget(p);
}

QString PagedBook::currentPageName() const {
  const int i = currentIndex();
  return i >= 0 && static_cast<size_t>(i) < names_.size() ? names_[static_cast<size_t>(i)] : QString();
}

}  // namespace taluvin
