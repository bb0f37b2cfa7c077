#!/usr/bin/env bash
# Regenerates the window icon MediaPlayer/res/icons/IDI_PLAYER_<size>.png:
# a dark-teal disc with a white "play" triangle. The build does not run this;
# the PNGs are committed. Needs ImageMagick 6 (convert).
set -euo pipefail

out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/MediaPlayer/res/icons"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Deterministic files: no timestamps or other text chunks.
png=(-strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt -define png:color-type=6)

# icon SIZE FILE — draws the icon at SIZE pixels, four times over and shrunk,
# so edges come out smooth. Every measure is a fraction of the size, rounded
# to whole pixels so the small sizes keep sharp straight edges.
icon() {
    local s=$1 file=$2 k=4
    local big=$((s * k))
    local m r tl tr tt tb stroke rim
    m=$(awk -v s="$s" 'BEGIN { v = s / 32; print (v < 0.5 ? 0 : v) }')
    r=$(awk -v s="$s" -v m="$m" 'BEGIN { print s / 2 - m }')
    # The triangle's centroid sits on the disc's centre.
    tl=$(awk -v s="$s" 'BEGIN { printf "%d", s * 0.385 + 0.5 }')
    tr=$(awk -v s="$s" 'BEGIN { printf "%d", s * 0.745 + 0.5 }')
    tt=$(awk -v s="$s" 'BEGIN { printf "%d", s * 0.275 + 0.5 }')
    tb=$((s - tt))
    stroke=$(awk -v s="$s" 'BEGIN { print (s >= 48 ? s / 24 : 0) }')
    rim=$(awk -v s="$s" 'BEGIN { print (s >= 32 ? s / 64 : 0) }')

    # Scale to the big canvas. ImageMagick puts pixel centres on whole
    # numbers, so a pixel edge is at -0.5: positions shift by that, lengths don't.
    pos() { awk -v k="$k" -v v="$1" 'BEGIN { print v * k - 0.5 }'; }
    len() { awk -v k="$k" -v v="$1" 'BEGIN { print v * k }'; }
    local c R L RT T B SW RW
    c=$(pos "$(awk -v s="$s" 'BEGIN { print s / 2 }')")
    R=$(len "$r"); L=$(pos "$tl"); RT=$(pos "$tr"); T=$(pos "$tt"); B=$(pos "$tb")
    SW=$(len "$stroke"); RW=$(len "$rim")
    local mid
    mid=$(awk -v t="$T" -v b="$B" 'BEGIN { print (t + b) / 2 }')

    convert -size "${big}x${big}" gradient:'#1f8b90'-'#0a3f46' \
        \( -size "${big}x${big}" xc:black -fill white \
           -draw "circle $c,$c $c,$(awk -v c="$c" -v r="$R" 'BEGIN { print c - r }')" \) \
        -alpha off -compose CopyOpacity -composite -compose Over \
        \( -size "${big}x${big}" xc:none -fill none -stroke '#ffffff40' -strokewidth "$RW" \
           -draw "circle $c,$c $c,$(awk -v c="$c" -v r="$R" -v w="$RW" 'BEGIN { print c - r + w / 2 }')" \) \
        -composite \
        -fill white -stroke white -strokewidth "$SW" \
        -draw "stroke-linejoin round polygon $L,$T $L,$B $RT,$mid" \
        -filter Box -resize "${s}x${s}" "${png[@]}" "PNG32:$work/$file"
    mv -f "$work/$file" "$out/$file"
}

for s in 16 24 32 48 64 128 256; do
    icon "$s" "IDI_PLAYER_$s.png"
done
