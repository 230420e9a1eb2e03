# Sourced: starts a private Xvfb on a free display and exports DISPLAY.
# stop_xvfb ends it.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do
        [[ -e /tmp/.X11-unix/X$n ]] && return 0
        sleep 0.1
      done
      kill "$XVFB_PID" 2>/dev/null || true
    fi
  done
  echo "xvfb: no free display" >&2
  return 1
}
stop_xvfb() {
  [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null || true
}
