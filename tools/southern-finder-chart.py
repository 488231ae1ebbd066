#!/usr/bin/env python3
"""Draws the manual's finder chart for sigma Octantis: the sky within 40 degrees
of the south celestial pole, as seen facing south (east on the left), with the
Southern Cross above the pole. Writes ImageMagick's vector format (MVG):

    tools/southern-finder-chart.py > /tmp/chart.mvg
    convert mvg:/tmp/chart.mvg docs/images/south-finder.png
"""
import math

# name, RA (hours), Dec (degrees), magnitude; J2000.
STARS = [
    ("σ Oct", 21.146, -88.956, 5.4), ("χ Oct", 18.913, -87.605, 5.3), ("τ Oct", 23.468, -87.482, 5.5),
    ("β Oct", 22.768, -81.382, 4.1), ("ν Oct", 21.691, -77.390, 3.8), ("δ Oct", 14.449, -83.668, 4.3),
    ("Acrux", 12.443, -63.099, 0.8), ("Mimosa", 12.795, -59.689, 1.3), ("Gacrux", 12.519, -57.113, 1.6),
    ("δ Cru", 12.252, -58.749, 2.8), ("α Cen", 14.660, -60.834, -0.3), ("Hadar", 14.064, -60.373, 0.6),
    ("Achernar", 1.629, -57.237, 0.5), ("β Hyi", 0.429, -77.254, 2.8), ("α Hyi", 1.979, -61.570, 2.9),
    ("γ Hyi", 3.787, -74.239, 3.2), ("α TrA", 16.811, -69.028, 1.9), ("Peacock", 20.427, -56.735, 1.9),
]
CLOUDS = [("LMC", 5.393, -69.756, 5.0, 4.0), ("SMC", 0.879, -72.829, 2.5, 1.5)]
LABELLED = {"σ Oct", "Acrux", "Gacrux", "Mimosa", "α Cen", "Hadar", "Achernar", "β Hyi", "α TrA", "Peacock"}

SIZE, RADIUS_DEG, TOP_RA = 520, 40.0, 12.5
SCALE = (SIZE / 2 - 20) / RADIUS_DEG


def place(ra, dec):
    """Screen point: RA runs counter-clockwise around the south pole as seen from the ground."""
    r = (90.0 + dec) * SCALE
    t = (ra - TOP_RA) / 24.0 * 2 * math.pi
    return SIZE / 2 - r * math.sin(t), SIZE / 2 - r * math.cos(t)


def main():
    c = SIZE / 2
    out = [f"viewbox 0 0 {SIZE} {SIZE}", "fill black", f"rectangle 0,0 {SIZE},{SIZE}",
           "font DejaVu-Sans", "font-size 12", "stroke-antialias 1"]

    def text(x, y, colour, words):
        out.extend(["stroke none", f"fill {colour}", f"text {x:.1f},{y:.1f} '{words}'"])

    out.append("fill none")
    out.append("stroke #303030")
    for ring in (10, 20, 30, 40):
        out.append(f"circle {c},{c} {c + ring * SCALE:.1f},{c}")
    for name, ra, dec, w, h in CLOUDS:
        x, y = place(ra, dec)
        out.extend(["stroke none", "fill #262626", f"ellipse {x:.1f},{y:.1f} {w * SCALE:.1f},{h * SCALE:.1f} 0,360"])
        text(x - 12, y + 4, "#808080", name)
    # The Southern Cross's long axis, carried on four and a half times its length past Acrux.
    gx, gy = place(12.519, -57.113)
    ax, ay = place(12.443, -63.099)
    ex, ey = ax + 4.5 * (ax - gx), ay + 4.5 * (ay - gy)
    out.extend(["fill none", "stroke #506070", "stroke-dasharray 5 4", f"line {gx:.1f},{gy:.1f} {ex:.1f},{ey:.1f}",
                "stroke-dasharray none", "stroke #c06060", f"line {c - 9},{c} {c + 9},{c}", f"line {c},{c - 9} {c},{c + 9}"])
    for name, ra, dec, mag in STARS:
        x, y = place(ra, dec)
        radius = max(1.2, 4.8 - 0.7 * mag)
        out.extend(["stroke none", "fill #e0e0e0", f"circle {x:.1f},{y:.1f} {x + radius:.1f},{y:.1f}"])
        if name == "σ Oct":
            # Crowded by its neighbours: labelled aside, with a leader line.
            out.extend(["fill none", "stroke #ffd070", f"line {x + 2:.1f},{y + 2:.1f} {c + 40},{c + 34}"])
            text(c + 42, c + 44, "#ffd070", name)
        elif name in LABELLED:
            text(x + 6, y - 4, "#a0a0a0", name)
    out.append("font-size 11")
    text(10, SIZE - 10, "#808080", "Facing south, east on the left. The sky turns clockwise about the pole (+).")
    print("\n".join(out))


if __name__ == "__main__":
    main()
