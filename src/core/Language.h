#pragma once
// The two languages of every user-facing text; the index is the stored "LANGUAGE" value.

namespace wattmere {

enum class Language { English = 0, German = 1 };

} // namespace wattmere
