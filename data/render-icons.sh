#!/bin/sh
# Renders the program's SVG icon to the PNG that the windows show in their
# title bars (a window icon is a bitmap to the window system).
# Needs ImageMagick. Run from the project's top folder after editing the SVG.
set -eu
svg=data/org.brindlesmath.BrindlesMath.svg
convert -background none -density 384 "$svg" -resize 64x64 -strip data/window-icon-64.png
