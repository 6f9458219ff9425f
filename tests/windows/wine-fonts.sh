# shellcheck shell=bash
# Gives the Wine prefix $WINEPREFIX stand-ins for the fonts the windows name, which a bare prefix
# lacks: DejaVu Sans, as wide as Verdana, for Verdana and the dialog faces; Liberation Sans, of
# Arial's metrics, for MS Sans Serif. Wine's replacements make each name a family of its own that
# programs can list and pick; the substitutes serve programs that ask Windows for the name
# directly. Sourced, not run; lumo_wine_font_stand_ins fails (non-zero) when a step fails.

lumo_wine_font_stand_ins() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font family
    for font in dejavu/DejaVuSans.ttf dejavu/DejaVuSans-Bold.ttf \
        liberation2/LiberationSans-Regular.ttf liberation2/LiberationSans-Bold.ttf; do
        cp "/usr/share/fonts/truetype/$font" "$fonts/" || return 1
    done
    lumo_wine_stand_in() {
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /t REG_SZ /d "$2" /f \
            >/dev/null 2>&1 &&
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
                /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
    }
    for family in Verdana Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Segoe UI'; do
        lumo_wine_stand_in "$family" 'DejaVu Sans' || return 1
    done
    for family in 'MS Sans Serif' 'Microsoft Sans Serif' Arial; do
        lumo_wine_stand_in "$family" 'Liberation Sans' || return 1
    done
    wineserver --wait
}
