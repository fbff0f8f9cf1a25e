# Gives the Wine prefix in WINEPREFIX the font faces the program asks for.
# Wine ships none of them, and a face it cannot find falls back by the
# requested family: the pages' "Times New Roman" (modern family) came out
# as a wide monospace face that clipped every caption. The replacements are
# metric-compatible faces of fonts-liberation and Wine's own Tahoma.
# Source it, then call
#   kw_wine_fonts
kw_wine_fonts() {
    if [ -f "$WINEPREFIX/.kw-fonts" ]; then
        return 0
    fi
    local reg="$WINEPREFIX/kw-fonts.reg"
    cat >"$reg" <<'REG' || return 1
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Arial Narrow"="Liberation Sans Narrow"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Microsoft Sans Serif"="Tahoma"
REG
    wine reg import "$(winepath -w "$reg")" >/dev/null 2>&1 || return 1
    rm -f "$reg"
    wineserver -w
    touch "$WINEPREFIX/.kw-fonts"
}
