#pragma once

#include <string>
#include <string_view>

// The program's command line: Name Ver Url1 Url2, then the switches /h and /d anywhere.
class clsCommandLine {
public:
    // Splits the argument text at every blank. True when all four words were there; with fewer,
    // the words present are kept and neither switch is set.
    bool Import(std::u16string_view strCommandLine);

    const std::u16string& Name() const { return m_Name; }
    const std::u16string& Ver() const { return m_Ver; }
    const std::u16string& Url1() const { return m_Url1; }
    const std::u16string& Url2() const { return m_Url2; }
    bool IsHide() const { return m_IsHide; }
    bool IsDebug() const { return m_IsDebug; }

private:
    std::u16string m_Name;
    std::u16string m_Ver;
    std::u16string m_Url1;
    std::u16string m_Url2;
    bool m_IsHide = false;
    bool m_IsDebug = false;
};
