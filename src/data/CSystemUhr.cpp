#include "CSystemUhr.h"

#include <chrono>

double CSystemUhr::Jetzt() const {
    std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
#ifdef _WIN32
    localtime_s(&zeit, &jetzt);
#else
    localtime_r(&jetzt, &zeit);
#endif
    return AusOrtszeit(zeit);
}

double CSystemUhr::AusOrtszeit(const std::tm& zeit) {
    using namespace std::chrono;
    const year_month_day tag{year{zeit.tm_year + 1900}, month{unsigned(zeit.tm_mon + 1)},
                             day{unsigned(zeit.tm_mday)}};
    const year_month_day basis{year{1899}, December, day{30}};
    const auto tage = (sys_days{tag} - sys_days{basis}).count();
    const double sekunden = zeit.tm_hour * 3600.0 + zeit.tm_min * 60.0 + zeit.tm_sec;
    return static_cast<double>(tage) + sekunden / 86400.0;
}
