#!/usr/bin/env bash
# The program under a real window manager: on a virtual X display (Xvfb) with
# openbox, each calculation window is opened from the menu as a user opens it,
# its "Wybór zaworu" runs the choice dialog, and a click on the window behind
# the dialog must leave the dialog above it (xdotool, xprop). Then the dialog
# and the window are closed again. Then, for two windows, "Anuluj" is clicked
# after a click on the main window, after a warning box and right after help
# was closed; each time the menu must open the window again (the menus that
# open calculation windows are locked only while one is shown). Last, the
# print preview of a calculation must stand above its window, a calculation is
# saved (Ctrl+S, the file dialog above its window) and opened again (Ctrl+O),
# and the help's search runs once.
#
#   tools/wm-check.sh <kalmo executable>
#
# Exit status 0 when every window passes, 1 when one fails, 77 (skipped) when
# Xvfb, openbox, xdotool or xprop is not installed.
set -u

kalmo=${1:?usage: wm-check.sh <kalmo executable>}
for tool in Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (tools/setup-debian.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own.
display=
for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "FAIL: no free X display"; exit 1; }
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work
# The recent files go to a settings folder of our own.
export XDG_CONFIG_HOME=$work/config

Xvfb "$display" -screen 0 1280x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

"$kalmo" >"$work/kalmo.log" 2>&1 &
pids+=($!)

# The visible window with this exact title now; empty if none.
visible_window() {
    local pattern
    pattern=$(printf '%s' "$1" | sed 's/[][\\.*^$()+?{}|]/\\&/g')
    xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -1
}

# What the command "$@" prints once it prints something, trying for up to 10 s.
wait_for() {
    local id
    for _ in $(seq 100); do
        id=$("$@")
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
}

# The visible window with this exact title, waiting up to 10 s; empty if none.
find_window() { wait_for visible_window "$1"; }

# The visible window whose title begins with $1 now.
titled() { xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -1; }

# A dialog whose title begins with $1, waiting up to 10 s; empty if none.
find_dialog() { wait_for titled "$1"; }

# A check passed ($2 says which), and window $1 closed.
pass_and_close() {
    echo "ok: $2"
    passed=$((passed + 1))
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
    xdotool key alt+F4
    sleep 0.5
}

# Position of a window in the window manager's stacking order (higher is above).
stacking_index() {
    local hex i=0
    hex=$(printf '0x%x' "$1")
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//; s/,/ /g'); do
        [ "$w" = "$hex" ] && { echo "$i"; return; }
        i=$((i + 1))
    done
    echo -1
}

about=$(find_window "O programie")
[ -n "$about" ] || { echo "FAIL: the about dialog did not appear"; cat "$work/kalmo.log"; exit 1; }
xdotool windowactivate --sync "$about" >/dev/null 2>&1
xdotool key --clearmodifiers Return
sleep 0.5

passed=0
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
# Opens a window from the menu (1 = Przepustowość, 2 = Dobór) as a user does;
# its window id, or empty when it did not open.
open_window() { # caption, menu, item
    local caption=$1 menu=$2 item=$3 window attempt
    for attempt in 1 2; do
        xdotool key alt
        sleep 0.5
        for _ in $(seq "$menu"); do xdotool key Right; done
        xdotool key Return
        sleep 0.5
        for _ in $(seq "$item"); do xdotool key Down; done
        xdotool key Return
        window=$(find_window "$caption")
        [ -n "$window" ] && break
        xdotool key Escape Escape # a slow menu: once more
        sleep 0.5
    done
    echo "$window"
}

# The frame of a window without its decoration: sets X, Y, W and H.
client_geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4}
        /Absolute upper-left Y/ {print "Y=" $4} /Width/ {print "W=" $2} /Height/ {print "H=" $2}')"
}

# The buttons of the bottom row, from the window's bottom-right corner.
click_anuluj() { xdotool mousemove $((X + W - 51)) $((Y + H - 23)) click 1; }
click_oblicz() { xdotool mousemove $((X + W - 223)) $((Y + H - 23)) click 1; }

check() { # caption, menu (1 = Przepustowość, 2 = Dobór), item, fields before "Wybór zaworu", dialog[, key that moves the focus]
    local caption=$1 menu=$2 item=$3 fields=$4 dialog=$5 key=${6:-Tab}
    local window dlg x y w h
    window=$(open_window "$caption" "$menu" "$item")
    if [ -z "$window" ]; then
        fail "\"$caption\" did not open"
        return
    fi
    # The window opens with the focus in its first field; Tab moves it along
    # the form to "Wybór zaworu".
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    for _ in $(seq "$fields"); do xdotool key "$key"; done
    xdotool key space
    dlg=$(find_window "$dialog")
    if [ -z "$dlg" ]; then
        fail "\"$caption\": \"Wybór zaworu\" did not open \"$dialog\""
    else
        # A point of the window that the dialog does not cover: its top-left corner.
        eval "$(xdotool getwindowgeometry --shell "$window")"
        x=$((X + 6)) y=$((Y + 6))
        xdotool mousemove "$x" "$y" click 1
        sleep 0.5
        if [ "$(stacking_index "$dlg")" -gt "$(stacking_index "$window")" ] &&
            [ -n "$(find_window "$dialog")" ]; then
            echo "ok: \"$caption\": \"$dialog\" stays above its window"
            passed=$((passed + 1))
        else
            fail "\"$caption\": \"$dialog\" went behind its window"
        fi
        xdotool windowactivate --sync "$dlg" >/dev/null 2>&1
        xdotool key Escape
        sleep 0.3
    fi
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key alt+F4
    sleep 0.5
}

check "   Przepustowość - powietrze " 1 0 9 "Wybór zaworu bezpieczeństwa"
check "   Przepustowość - para wodna nasycona" 1 1 8 "Wybór zaworu bezpieczeństwa"
check "   Przepustowość - woda" 1 2 4 "Wybór zaworu bezpieczeństwa"
check "   Dobór zaworu - para wodna nasycona" 2 0 5 "   Dobór zaworu bezpieczeństwa"
check "   Dobór zaworu - moc cieplna (para wodna)" 2 1 4 "   Dobór zaworu bezpieczeństwa"
check "   Dobór zaworu - moc cieplna (para + woda)" 2 2 4 "   Dobór zaworu bezpieczeństwa"
check "   Dobór zaworu do wymiennika wg PN-B-02414:1999" 2 3 7 "   Dobór zaworu bezpieczeństwa"
check "   Dobór zaworu do wymiennika (para-woda)" 2 4 5 "   Dobór zaworu bezpieczeństwa"
check "   Dobór zaworu - powietrze" 2 5 6 "   Dobór zaworu bezpieczeństwa"
check "   Dobór zaworu - woda" 2 6 5 "   Dobór zaworu bezpieczeństwa"
# Leaving its empty tank temperature is refused: backwards from the first field,
# past "Anuluj", the print button and "Oblicz".
check "  Rozszerzalność cieplna wody" 2 7 4 "   Dobór zaworu bezpieczeństwa" shift+Tab

# "Anuluj" closes the window and unlocks the menus whatever came before it: a
# click on the main window (the click on "Anuluj" then activates the window
# again), a warning box that gave the focus back, help closed a moment ago.
unlocks() { # caption, menu, item
    local caption=$1 menu=$2 item=$3 window before box help
    for before in "a click on the main window" "a warning box" "help"; do
        window=$(open_window "$caption" "$menu" "$item")
        if [ -z "$window" ]; then
            fail "\"$caption\" did not open before $before"
            return
        fi
        xdotool windowactivate --sync "$window" >/dev/null 2>&1
        client_geometry "$window"
        case $before in
        "a click on the main window")
            xdotool mousemove 40 960 click 1
            sleep 0.3
            ;;
        "a warning box")
            click_oblicz
            box=$(find_window "Uwaga!")
            [ -n "$box" ] && xdotool windowactivate --sync "$box" >/dev/null 2>&1 && xdotool key Return
            sleep 0.3
            ;;
        "help")
            xdotool key F1
            help=$(find_window "Pomoc - KALMO")
            [ -n "$help" ] && xdotool windowactivate --sync "$help" >/dev/null 2>&1 && xdotool key alt+F4
            ;;
        esac
        click_anuluj
        sleep 0.5
        if [ -n "$(visible_window "$caption")" ]; then
            fail "\"$caption\": \"Anuluj\" after $before left the window open"
            return
        fi
        window=$(open_window "$caption" "$menu" "$item")
        if [ -n "$window" ]; then
            pass_and_close "$window" \
                "\"$caption\": the menu opens it again after $before and \"Anuluj\""
        else
            fail "\"$caption\": the menus stayed locked after $before and \"Anuluj\""
            xdotool key Escape Escape Escape
            return
        fi
    done
}

unlocks "   Przepustowość - woda" 1 2
unlocks "   Dobór zaworu - moc cieplna (para wodna)" 2 1

# The water capacity window opened, with "choose" its first valve chosen
# (without, it shows the valve of its last "Oblicz"), and computed: sets
# `window` (empty when it did not open) and X, Y, W and H.
computed_water_window() {
    local caption="   Przepustowość - woda" dlg
    window=$(open_window "$caption" 1 2)
    [ -n "$window" ] || { fail "\"$caption\" did not open"; return; }
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    if [ "${1:-}" != choose ]; then
        client_geometry "$window"
        click_oblicz
        sleep 0.3
        return
    fi
    for _ in $(seq 4); do xdotool key Tab; done
    xdotool key space
    dlg=$(find_window "Wybór zaworu bezpieczeństwa")
    [ -n "$dlg" ] || { fail "no valve chosen"; window=; return; }
    # The first type, size and set pressure, then "OK".
    xdotool windowactivate --sync "$dlg" >/dev/null 2>&1
    xdotool key Down Tab Down Tab Down Return
    sleep 0.5
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    client_geometry "$window"
    click_oblicz
    sleep 0.3
}

# Dialog $1 stays above window $2 after a click on the window ($3 says what).
stays_above() {
    xdotool mousemove $((X + 6)) $((Y + 6)) click 1
    sleep 0.5
    if [ "$(stacking_index "$1")" -gt "$(stacking_index "$2")" ]; then
        echo "ok: $3 stays above its window"
        passed=$((passed + 1))
    else
        fail "$3 went behind its window"
    fi
    xdotool windowactivate --sync "$1" >/dev/null 2>&1
}

# The print preview of a calculation (Ctrl+P in the window) stands above the
# window and stays there when the window is clicked.
preview_above() {
    local preview
    computed_water_window choose
    [ -n "$window" ] || return
    xdotool key ctrl+p
    preview=$(find_dialog 'Podgląd wydruku')
    if [ -z "$preview" ]; then
        fail "Ctrl+P in a calculation window showed no print preview"
    else
        stays_above "$preview" "$window" "the print preview"
        xdotool key Escape
        sleep 0.3
    fi
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key alt+F4
    sleep 0.5
}

# Ctrl+S in a computed window saves its case through the file dialog, which
# stands above the window; Ctrl+O in the main window opens it into the window
# again.
save_and_open() {
    local file="$work/woda.kalmo" dialog
    computed_water_window
    [ -n "$window" ] || return
    xdotool key ctrl+s
    dialog=$(find_dialog 'Zapisz obliczenia')
    [ -n "$dialog" ] || { fail "Ctrl+S in a calculation window showed no file dialog"; return; }
    stays_above "$dialog" "$window" "the save dialog"
    xdotool type --delay 20 "$file"
    xdotool key Return
    sleep 0.5
    [ -s "$file" ] || fail "Ctrl+S saved no file"
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key alt+F4
    sleep 0.5
    xdotool windowactivate --sync "$(xdotool search --name '^   KALMO 7.0$' | head -1)" >/dev/null 2>&1
    xdotool key ctrl+o
    dialog=$(find_dialog 'Otwórz obliczenia')
    [ -n "$dialog" ] || { fail "Ctrl+O in the main window showed no file dialog"; return; }
    xdotool type --delay 20 "$file"
    xdotool key Return
    window=$(find_window "   Przepustowość - woda")
    if [ -n "$window" ]; then
        pass_and_close "$window" "a saved calculation opens into its window"
    else
        fail "Ctrl+O did not open the saved calculation"
    fi
}

# Help from the main window, its search (Ctrl+F) run once: the program must
# still run and Qt Help must not complain about its index.
search_help() {
    local help
    xdotool key F1
    help=$(find_window "Pomoc - KALMO")
    [ -n "$help" ] || { fail "F1 opened no help"; return; }
    xdotool windowactivate --sync "$help" >/dev/null 2>&1
    sleep 1
    xdotool key ctrl+f
    xdotool type --delay 50 "karta"
    xdotool key Return
    sleep 1
    if kill -0 "${pids[2]}" 2>/dev/null && ! grep -qi "database\|fts" "$work/kalmo.log"; then
        echo "ok: the help's search ran"
        passed=$((passed + 1))
    else
        fail "the help's search failed"
        cat "$work/kalmo.log"
    fi
    xdotool windowactivate --sync "$help" >/dev/null 2>&1
    xdotool key alt+F4
    sleep 0.3
}

preview_above
save_and_open
search_help

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
