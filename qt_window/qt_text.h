#pragma once

// The computation's texts are UTF-8; Qt's are UTF-16.

#include <QString>

#include <string_view>

namespace combicalc {

inline QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace combicalc
