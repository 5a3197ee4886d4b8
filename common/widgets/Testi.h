#pragma once
// A control's text from its model, set only when it differs: setting the
// same text again still lays it out and repaints it.
#include <QString>
#include <string>

namespace vk {

template <class W>
void ScriviSeDiverso(W* w, const std::string& s) {
    const QString q = QString::fromStdString(s);
    if (w->text() != q) w->setText(q);
}

}  // namespace vk
