#pragma once
// Switches the C library to a locale that writes decimals with a comma, as a
// German, French or Russian desktop does once QApplication has set the locale from
// the environment; the previous locale comes back at the end of the scope.
// scripts/setup.sh makes de_DE.UTF-8 available.

#include <clocale>
#include <string>

class CommaLocale {
public:
    CommaLocale() : m_previous(std::setlocale(LC_ALL, nullptr))
    {
        // The Windows C library knows the German one by its own name.
        for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "German_Germany.1252"}) {
            if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') {
                m_active = true;
                return;
            }
        }
        std::setlocale(LC_ALL, m_previous.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool Active() const { return m_active; }

    static constexpr const char* kMissing = "no comma locale installed; scripts/setup.sh makes de_DE.UTF-8";

private:
    std::string m_previous;
    bool m_active = false;
};
