# Sourced: start_xvfb starts a virtual display, exports DISPLAY and stops the
# display when the calling script exits.
start_xvfb() {
  command -v Xvfb >/dev/null || { echo "Xvfb is missing (run scripts/setup.sh)" >&2; return 1; }
  local display
  for display in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$display"
      trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
      return 0
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
