# Starts an Xvfb display of its own on the first free number from :90 and
# exports DISPLAY; KW_XVFB_PID holds its process. Source it, then call
#   kw_start_xvfb
kw_start_xvfb() {
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            KW_XVFB_PID=$!
            export DISPLAY=":$n"
            for _ in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && return 0
                sleep 0.1
            done
            return 1
        fi
    done
    return 1
}
