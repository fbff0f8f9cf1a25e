# Gives the Wine prefix in WINEPREFIX the font faces the program asks for.
# Wine ships none of them, and a face it cannot find falls back by the
# requested family: the pages' "Times New Roman" (modern family) came out
# as a wide monospace face that clipped every caption. The replacements are
# metric-compatible faces of fonts-liberation. Wine's own glyph font for the
# caption buttons of system title bars (Marlett) is not found where the
# packaged Wine keeps it, so the buttons showed a letter "r": it is copied
# into the prefix's font folder.
# Source it, then call
#   kw_wine_fonts
kw_wine_fonts() {
    if [ -f "$WINEPREFIX/.kw-fonts-2" ]; then
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
    local dir
    for dir in /usr/share/wine/fonts /usr/lib/wine/fonts /opt/wine-stable/share/wine/fonts; do
        if [ -f "$dir/marlett.ttf" ]; then
            mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" &&
                cp "$dir/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
            break
        fi
    done
    wineserver -w
    touch "$WINEPREFIX/.kw-fonts-2"
}
