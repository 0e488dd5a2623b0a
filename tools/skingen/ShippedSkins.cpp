#include "ShippedSkins.h"

#include "ButtonsTheme.h"
#include "MidnightTheme.h"
#include "ParlourTheme.h"

std::vector<std::unique_ptr<TSkinTheme>> ShippedSkins() {
    std::vector<std::unique_ptr<TSkinTheme>> skins;
    skins.push_back(std::make_unique<TButtonsTheme>());
    skins.push_back(std::make_unique<TMidnightTheme>());
    skins.push_back(std::make_unique<TParlourTheme>());
    return skins;
}
