#include "print/acceptancelayout.h"

namespace velinda {

namespace {

constexpr BoxAlign LT = BoxAlign::LeftTop;
constexpr BoxAlign CC = BoxAlign::CentreCentre;
constexpr BoxAlign LC = BoxAlign::LeftCentre;

constexpr FormBox kBoxes[] = {
    {"txtDestinatario", 84.00_mm, 52.80_mm, 115.00_mm, 4.00_mm, 9, LT, "{txtDestinatario}"},
    {"txtIndirizzoDes", 84.00_mm, 59.80_mm, 102.00_mm, 4.00_mm, 9, LT, "{txtIndirizzoDes}"},
    {"txtNumDes", 188.00_mm, 59.80_mm, 15.00_mm, 4.00_mm, 9, LT, "{txtNumDes}"},
    {"txtCapDes01", 84.00_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes01}"},
    {"txtCapDes02", 87.60_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes02}"},
    {"txtCapDes03", 91.00_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes03}"},
    {"txtCapDes04", 94.60_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes04}"},
    {"txtCapDes05", 98.20_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapDes05}"},
    {"txtLocalitaDes", 104.00_mm, 66.20_mm, 87.00_mm, 4.00_mm, 9, LT, "{txtLocalitaDes}"},
    {"txtProvDes01", 193.00_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtProvDes01}"},
    {"txtProvDes02", 196.60_mm, 66.20_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtProvDes02}"},
    {"txtTelDes", 90.00_mm, 72.20_mm, 37.00_mm, 4.00_mm, 9, LT, "{txtTelDes}"},
    {"txtEmailDes", 138.00_mm, 72.20_mm, 64.00_mm, 4.00_mm, 9, LT, "{txtEmailDes}"},
    {"txtMittente", 84.00_mm, 85.20_mm, 115.00_mm, 4.00_mm, 9, LT, "{txtMittente}"},
    {"txtIndirizzoMit", 84.00_mm, 92.20_mm, 102.00_mm, 4.00_mm, 9, LT, "{txtIndirizzoMit}"},
    {"txtNumMit", 188.00_mm, 92.20_mm, 15.00_mm, 4.00_mm, 9, LT, "{txtNumMit}"},
    {"txtCapMit01", 84.00_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapMit01}"},
    {"txtCapMit02", 87.60_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapMit02}"},
    {"txtCapMit03", 91.00_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapMit03}"},
    {"txtCapMit04", 94.60_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapMit04}"},
    {"txtCapMit05", 98.20_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtCapMit05}"},
    {"txtLocalitaMit", 104.00_mm, 98.60_mm, 87.00_mm, 4.00_mm, 9, LT, "{txtLocalitaMit}"},
    {"txtProvMit01", 193.00_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtProvMit01}"},
    {"txtProvMit02", 196.60_mm, 98.60_mm, 3.30_mm, 3.80_mm, 8, CC, "{txtProvMit02}"},
    {"txtTelMit", 90.00_mm, 104.60_mm, 37.00_mm, 4.00_mm, 9, LT, "{txtTelMit}"},
    {"txtEmailMit", 138.00_mm, 104.60_mm, 64.00_mm, 4.00_mm, 9, LT, "{txtEmailMit}"},
    {"txtCifre", 129.00_mm, 118.80_mm, 24.30_mm, 4.00_mm, 8, LC, "{txtCifre}"},
    {"txtLettere", 155.00_mm, 118.80_mm, 46.30_mm, 4.00_mm, 8, LC, "{txtLettere}"},
    {"txtAvviso", 83.40_mm, 116.30_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkAvviso]"},
    {"txtContrassegno", 83.40_mm, 120.40_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkContrassegno]"},
    {"txtCC", 140.00_mm, 125.50_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkCC]"},
    {"txtVaglia", 159.60_mm, 125.50_mm, 3.30_mm, 3.80_mm, 8, CC, "[chkVaglia]"},
};

}  // namespace

namespace AcceptanceLayout {
std::span<const FormBox> boxes() { return kBoxes; }
}  // namespace AcceptanceLayout

}  // namespace velinda
