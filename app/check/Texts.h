#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvil {

// The window's words. Every text is written in the program's own language, Japanese, and
// looked up in the translation the window speaks; the translations are the files in
// app/translations, compiled into the program. context groups the texts as those files do
// ("frmMain", "LogTextBox"); comment is the note a translator reads beside a text.
std::u16string Tr(const char* context, const char* source, const char* comment = nullptr);

// Makes every later Tr speak language: "ja" (the source texts) or a translation's name. An
// unknown name keeps the source texts.
void UseLanguage(std::u16string_view language);
// The language Tr speaks now: "ja" or a translation's name.
const std::u16string& CurrentLanguage();

// The translations the program carries, by name ("en", "de", "pt_BR", "zh_TW", "sr_Latn", ...).
std::vector<std::u16string> AvailableTranslations();

} // namespace norvil
