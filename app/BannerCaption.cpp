#include "app/BannerCaption.h"

#include <QCoreApplication>

QString bannerCaption(const game::Banner &banner)
{
    using game::BannerKind;
    switch (banner.kind) {
    case BannerKind::None:
        return {};
    case BannerKind::Round:
        return QCoreApplication::translate("Banner", "ROUND %1").arg(banner.round);
    case BannerKind::ClearScreen:
        return QCoreApplication::translate("Banner", "CLEAR SCREEN");
    case BannerKind::CardsLeftBonus:
        return QCoreApplication::translate("Banner", "CARDS LEFT");
    case BannerKind::ElevensBonus:
        return QCoreApplication::translate("Banner", "ELEVENS BONUS");
    case BannerKind::TimeLeftBonus:
        return QCoreApplication::translate("Banner", "TIME LEFT BONUS");
    case BannerKind::GameOver:
        return QCoreApplication::translate("Banner", "GAME OVER");
    }
    return {};
}
