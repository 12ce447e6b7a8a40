#include "FoldVenBrowser/catalogue/SpecialFolders.h"

std::string DisplayName(const std::string& name) {
    if (name == ".waste_basket")
        return "휴지통";
    if (name == ".share")
        return "공유시킨 폴더";
    if (name == ".photo_service")
        return "포토 앨범";
    return name;
}

std::string InternalName(const std::string& text) {
    if (text == "휴지통")
        return ".waste_basket";
    if (text == "공유시킨 폴더")
        return ".share";
    return text;
}
