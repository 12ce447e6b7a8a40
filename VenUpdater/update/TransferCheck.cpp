#include "VenUpdater/update/TransferCheck.h"

namespace {

bool AllDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

int Number(const std::string& text, std::size_t from, std::size_t length) {
    return std::stoi(text.substr(from, length));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::int64_t ExpectedTransferSize(const std::string& contentLength, std::int64_t listedSize) {
    if (contentLength.empty())
        return listedSize;
    // Eighteen digits always fit in 64 bits; longer numbers are no size a transfer can have.
    if (!AllDigits(contentLength) || contentLength.size() > 18)
        return -1;
    return std::stoll(contentLength);
}

bool ParseDateStamp(const std::string& version, CDateStamp& stamp) {
    if (version.size() != 12 || !AllDigits(version))
        return false;
    CDateStamp read;
    read.year = Number(version, 0, 4);
    read.month = Number(version, 4, 2);
    read.day = Number(version, 6, 2);
    read.hour = Number(version, 8, 2);
    read.minute = Number(version, 10, 2);
    // The file system's times begin in 1601.
    if (read.year < 1601 || read.month < 1 || read.month > 12 || read.day < 1 ||
        read.day > DaysIn(read.year, read.month) || read.hour > 23 || read.minute > 59)
        return false;
    stamp = read;
    return true;
}
