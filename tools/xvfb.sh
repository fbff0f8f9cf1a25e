# Starts an Xvfb display of its own and exports DISPLAY; KW_XVFB_PID holds its
# process. Xvfb picks a free display number itself, so two callers never
# race for one. It runs in a session of its own: Ctrl-C in the terminal must
# not end the display under the programs still drawing on it; the caller
# ends it after them. Source it, then call
#   kw_start_xvfb
kw_start_xvfb() {
    local fifo n=""
    fifo="$(mktemp -u /tmp/kw-xvfb.XXXXXX)"
    mkfifo "$fifo" || return 1
    # In a command substitution no job control makes Xvfb a group leader,
    # so setsid does not fork and $! is the server itself.
    KW_XVFB_PID="$(setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 3>"$fifo" &
        echo $!)"
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || return 1
    export DISPLAY=":$n"
}
