#include "print/returnreceiptlayouts.h"

namespace velinda {

namespace {

constexpr BoxAlign LT = BoxAlign::LeftTop;
constexpr BoxAlign CC = BoxAlign::CentreCentre;
constexpr BoxAlign LC = BoxAlign::LeftCentre;

constexpr FormBox kRecipientSide[] = {
    {"txtRaccomandata", 31.20_mm, 17.60_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkRaccomandata]"},
    {"txtPacco", 59.00_mm, 17.60_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkPacco]"},
    {"txtAssicurata", 31.20_mm, 25.20_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkAssicurata]"},
    {"txtN01", 113.00_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN01}"},
    {"txtN02", 117.00_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN02}"},
    {"txtN03", 121.00_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN03}"},
    {"txtN04", 125.20_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN04}"},
    {"txtN05", 129.20_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN05}"},
    {"txtN06", 133.20_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN06}"},
    {"txtN07", 137.20_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN07}"},
    {"txtN08", 141.40_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN08}"},
    {"txtN09", 145.40_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN09}"},
    {"txtN10", 149.60_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN10}"},
    {"txtN11", 153.40_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN11}"},
    {"txtN12", 157.40_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN12}"},
    {"txtN13", 161.30_mm, 20.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtN13}"},
    {"txtEuro", 65.00_mm, 24.80_mm, 22.30_mm, 4.00_mm, 8, LC, "{txtEuro}"},
    {"txtData", 51.00_mm, 31.60_mm, 34.00_mm, 4.00_mm, 9, LT, "{txtData}"},
    {"txtUfficio", 106.00_mm, 31.60_mm, 74.30_mm, 4.00_mm, 8, LC, "{txtUfficio}"},
    {"txtDestinatario", 44.00_mm, 43.80_mm, 122.00_mm, 4.00_mm, 9, LT, "{txtDestinatario}"},
    {"txtIndirizzoDes", 34.00_mm, 50.80_mm, 132.00_mm, 4.00_mm, 9, LT,
     "{txtIndirizzoDes} {txtNumDes}"},
    {"txtCapDes01", 38.00_mm, 58.00_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes01}"},
    {"txtCapDes02", 41.60_mm, 58.00_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes02}"},
    {"txtCapDes03", 45.00_mm, 58.00_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes03}"},
    {"txtCapDes04", 48.60_mm, 58.00_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes04}"},
    {"txtCapDes05", 52.20_mm, 58.00_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes05}"},
    {"txtLocalitaDes", 70.00_mm, 57.80_mm, 96.00_mm, 4.00_mm, 9, LT,
     "{txtLocalitaDes} {txtProvDes01}{txtProvDes02}"},
};

constexpr FormBox kSenderSide[] = {
    {"txtMittente", 53.00_mm, 50.20_mm, 114.00_mm, 4.40_mm, 10, LT, "{txtMittente}"},
    {"txtIndirizzoMit", 52.00_mm, 58.20_mm, 115.00_mm, 4.40_mm, 10, LT,
     "{txtIndirizzoMit} {txtNumMit}"},
    {"txtCapMit01", 53.00_mm, 68.00_mm, 4.00_mm, 3.80_mm, 10, CC, "{txtCapMit01}"},
    {"txtCapMit02", 59.00_mm, 68.00_mm, 4.00_mm, 3.80_mm, 10, CC, "{txtCapMit02}"},
    {"txtCapMit03", 65.00_mm, 68.00_mm, 4.00_mm, 3.80_mm, 10, CC, "{txtCapMit03}"},
    {"txtCapMit04", 71.00_mm, 68.00_mm, 4.00_mm, 3.80_mm, 10, CC, "{txtCapMit04}"},
    {"txtCapMit05", 77.20_mm, 68.00_mm, 4.00_mm, 3.80_mm, 10, CC, "{txtCapMit05}"},
    {"txtLocalitaMit", 85.00_mm, 68.20_mm, 68.00_mm, 4.40_mm, 10, LT, "{txtLocalitaMit}"},
    {"txtProvMit", 155.00_mm, 68.20_mm, 13.00_mm, 4.40_mm, 10, LT, "{txtProvMit01}{txtProvMit02}"},
};

}  // namespace

namespace ReturnReceiptLayouts {
std::span<const FormBox> recipientSide() { return kRecipientSide; }
std::span<const FormBox> senderSide() { return kSenderSide; }
}  // namespace ReturnReceiptLayouts

}  // namespace velinda
