#!/usr/bin/env python3
"""Re-read the generated shape files and check them against the rules they must
keep and against the steel shapes database they come from.

Usage:  python3 tools/check_shapes.py [--csv PATH] [--dir data/Shapes]
Exit status 0 when every check passes, 1 otherwise.

The file reader here is written from the file format alone (values separated by
commas or line ends, a text value in double quotes may hold commas, 31 values
per row or 32 for codes 6 and 7), and the database is read with its own few
column positions, so that a fault in the generator's mapping is not repeated
by the check.

Per row:
  - value count 31 / 32 by code; names at most 25 characters; integers whole;
    every number parses with "." decimals;
  - the code belongs to the file's family (square HSS: 16 exactly when
    Depth = Width);
  - dimensions positive, and the walls fit the box (2 tf < Depth, tw < Width,
    2 t < Width for hollow sections);
  - k, k1 and the corner radii keep the family's drawn outline a simple loop
    (for example tw/2 <= k1 <= b/2 and tf <= k <= d for a tee);
  - the centroid lies strictly inside the Width x Depth box;
  - rx = sqrt(Ix / A) and ry = sqrt(Iy / A) within 1 %;
  - A, Ix, Iy are exactly the single-precision database values (SI block,
    scaled to mm units);
  - channels: InnerRadius carries the flange slope, 1/6 for C rows, between
    flat (not included: 0 stands for 1 in 6) and 1 in 6 for MC rows;
  - pipes: the ring of Depth and FlangeThickness has the tabulated A within
    2 % (printed where it is more than 1 % off), or else the table's area is
    its odd value out: the wall is one the table prints (tdes, or (OD - ID) / 2
    of the inch block), no printed wall gives a ring nearer A, and the
    tabulated Ix follows that wall better than the wall that would give A;
  - orientation: Ix / Iy of the component rectangles in the local frame is
    nearer to ElemIx / ElemIy than to its inverse. Checked where that ratio R
    is 1.5 or more (or 1/1.5 or less): a swap changes it by R^2 >= 2.25,
    while leaving out fillets and flange slope (sloped flanges put their
    material nearer the web) moves Iy by some tens of percent at most;
  - orientation: the centroid of the plain rectangles (or rings) that make up
    the shape, laid in the local frame the outlines use, lies within 10 % of
    the box from CentroidX / CentroidY. Root fillets, sloped flanges and corner
    radii move it by far less; a swapped angle or a tee drawn upside down moves
    it by a quarter of the box or more.
Per file: at most 500 rows; every database row of the family is there once
(rectangular HSS: those left out are exactly the thinnest-walled ones).
Also printed (not a pass/fail check): the largest difference per family between
the tabulated Zx, Zy and the first moments of those component rectangles about
the centroidal axes, which is how the program estimates plastic moduli.
"""

import argparse
import csv
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
DEFAULT_CSV = os.path.join(REPO, '..', 'shared', 'data', 'steel-shapes',
                           'aisc-shapes-database-v16.0.csv')
DEFAULT_DIR = os.path.join(REPO, 'data', 'Shapes')

FIELDS = ['NameSI', 'ShapeType', 'Depth', 'Width', 'FlangeThickness',
          'WebThickness', 'InnerRadius', 'OuterRadius', 'Ratio1', 'Ratio2',
          'FilletDepthK', 'FilletWidthK1', 'NominalSizeSI', 'MassSI',
          'ElemArea', 'ElemIx', 'ElemSx', 'ElemRx', 'ElemZx', 'ElemIy',
          'ElemSy', 'ElemRy', 'ElemZy', 'ElemJ', 'ElemCw', 'ShapeExtra',
          'NameImp', 'NominalSizeImp', 'MassImp', 'CentroidX', 'CentroidY']
TEXT = {'NameSI', 'NameImp'}
INTS = {'ShapeType', 'NominalSizeSI', 'NominalSizeImp'}

FAMILY = {  # file -> (allowed codes, database types it holds)
    'W.DAT': ({0, 1, 2, 3, 4, 5, 18}, {'W', 'M', 'S', 'HP'}),
    'C.DAT': ({6, 7}, {'C', 'MC'}),
    'L.DAT': ({8}, {'L'}),
    'T.DAT': ({9, 10}, {'WT', 'MT', 'ST'}),
    'HSS.DAT': ({15, 16}, {'HSS-box'}),
    'CHS.DAT': ({17}, {'HSS-round', 'PIPE'}),
}


def f32(x):
    return struct.unpack('<f', struct.pack('<f', x))[0]


# ------------------------------------------------------------ file reader

def tokens(text):
    """Values of a shape file in order: comma or line end separate values;
    a value starting with a double quote runs to the next double quote."""
    out = []
    i, n = 0, len(text)
    while i < n:
        while i < n and text[i] in ' \t':
            i += 1
        if i < n and text[i] == '"':
            j = text.index('"', i + 1)
            out.append(text[i + 1:j])
            i = j + 1
            while i < n and text[i] in ' \t':
                i += 1
        else:
            j = i
            while j < n and text[j] not in ',\r\n':
                j += 1
            out.append(text[i:j].strip())
            i = j
        if i < n and text[i] == '\r' and i + 1 < n and text[i + 1] == '\n':
            i += 1
        if i < n and text[i] in ',\r\n':
            i += 1
    return out


def read_shape_file(path):
    with open(path, encoding='ascii') as fh:
        text = fh.read()
    if text.endswith('\n'):
        text = text[:-1]
    vals = tokens(text)
    rows, pos = [], 0
    while pos < len(vals):
        if pos + 31 > len(vals):
            raise ValueError('file ends inside a row after %d rows' % len(rows))
        raw = vals[pos:pos + 31]
        code = int(raw[1])
        count = 32 if code in (6, 7) else 31
        if pos + count > len(vals):
            raise ValueError('file ends inside channel row %r' % raw[0])
        raw = vals[pos:pos + count]
        pos += count
        row = {'_count': count, '_raw': raw}
        for name, v in zip(FIELDS + ['ChannelExtra'], raw):
            if name in TEXT:
                row[name] = v
            elif name in INTS:
                row[name] = int(v)          # raises on a fraction
            else:
                if 'e' in v.lower() or ',' in v:
                    raise ValueError('%r: not a plain decimal' % v)
                row[name] = f32(float(v))
        rows.append(row)
    return rows


# ------------------------------------------------------------ database

def read_db(path):
    with open(path, encoding='utf-8-sig', newline='') as fh:
        table = list(csv.reader(fh))
    head = table[0]
    si0 = 84                              # SI designation column
    col = {}
    for name in ('A', 'Ix', 'Iy', 'Zx', 'Zy', 'h/tdes', 'OD', 'Ht', 'B',
                 'tdes'):
        col[name] = head.index(name, si0)
    us_od, us_id = head.index('OD'), head.index('ID')
    db = {}
    for r in table[1:]:
        if not r or not r[0]:
            continue
        kind = r[0]
        if kind == '2L':
            continue
        if kind == 'HSS':
            kind = 'HSS-round' if r[col['OD']] != '\u2013' else 'HSS-box'
        num = lambda k, s=1: float(r[col[k]]) * s
        db[r[si0 + 1].strip()] = {
            'kind': kind, 'A': num('A'), 'Ix': num('Ix', 1e6),
            'Iy': num('Iy', 1e6), 'Zx': num('Zx', 1e3), 'Zy': num('Zy', 1e3),
            'h/tdes': r[col['h/tdes']]}
        if kind == 'PIPE':
            walls = [num('tdes')]
            if r[us_id] != '\u2013':
                walls.append((float(r[us_od]) - float(r[us_id])) / 2 * 25.4)
            db[r[si0 + 1].strip()]['walls'] = walls
    return db


# ------------------------------------------------------------ component geometry

def components(row):
    """Rectangles (u0, u1, v0, v1) and rings (cu, cv, r_out, r_in) of the shape
    in its local frame, fillets and radii left out."""
    code = row['ShapeType']
    d, b = row['Depth'], row['Width']
    tf, tw = row['FlangeThickness'], row['WebThickness']
    c = b / 2
    if code in (0, 1, 2, 3, 4, 5, 18):
        return [(0, b, 0, tf), (0, b, d - tf, d),
                (c - tw / 2, c + tw / 2, tf, d - tf)], []
    if code in (6, 7):
        return [(0, b, 0, tf), (0, b, d - tf, d), (0, tw, tf, d - tf)], []
    if code == 8:
        return [(0, b, 0, tf), (0, tf, tf, d)], []
    if code in (9, 10):
        return [(0, b, 0, tf), (c - tw / 2, c + tw / 2, tf, d)], []
    if code in (15, 16):
        return [(0, b, 0, tf), (0, b, d - tf, d), (b - tf, b, tf, d - tf),
                (0, tf, tf, d - tf)], []
    if code == 17:
        return [], [(d / 2, d / 2, d / 2, d / 2 - tf)]
    raise ValueError('code %d' % code)


def geometric_centroid(rects, rings):
    a = su = sv = 0.0
    for u0, u1, v0, v1 in rects:
        ar = (u1 - u0) * (v1 - v0)
        a += ar
        su += ar * (u0 + u1) / 2
        sv += ar * (v0 + v1) / 2
    for cu, cv, ro, ri in rings:
        ar = math.pi * (ro * ro - ri * ri)
        a += ar
        su += ar * cu
        sv += ar * cv
    return su / a, sv / a


def component_inertia(rects):
    """Ix, Iy of the rectangles about their own common centroid."""
    a = su = sv = 0.0
    for u0, u1, v0, v1 in rects:
        ar = (u1 - u0) * (v1 - v0)
        a, su, sv = a + ar, su + ar * (u0 + u1) / 2, sv + ar * (v0 + v1) / 2
    cu, cv = su / a, sv / a
    ix = iy = 0.0
    for u0, u1, v0, v1 in rects:
        w, h = u1 - u0, v1 - v0
        ix += w * h ** 3 / 12 + w * h * ((v0 + v1) / 2 - cv) ** 2
        iy += h * w ** 3 / 12 + w * h * ((u0 + u1) / 2 - cu) ** 2
    return ix, iy


def _abs_moment_1d(lo, hi, width, axis):
    """Integral of |s - axis| * width over s in [lo, hi]."""
    def part(p, q):          # p <= q, same side of axis
        return width * abs((q - axis) ** 2 - (p - axis) ** 2) / 2
    if hi <= axis or lo >= axis:
        return part(lo, hi)
    return part(lo, axis) + part(axis, hi)


def _disc_abs_moment(r):
    return 4 * r ** 3 / 3            # about a diameter, whole disc


def plastic_estimate(row):
    rects, rings = components(row)
    cu, cv = row['CentroidX'], row['CentroidY']
    zx = sum(_abs_moment_1d(v0, v1, u1 - u0, cv) for u0, u1, v0, v1 in rects)
    zy = sum(_abs_moment_1d(u0, u1, v1 - v0, cu) for u0, u1, v0, v1 in rects)
    for _, _, ro, ri in rings:
        z = _disc_abs_moment(ro) - _disc_abs_moment(ri)
        zx += z
        zy += z
    return zx, zy


# ------------------------------------------------------------ checks

def ring_area(d, t):
    return math.pi * t * (d - t)


def ring_inertia(d, t):
    return math.pi / 64 * (d ** 4 - (d - 2 * t) ** 4)


def pipe_wall_fault(r, ref):
    """Why the pipe's ring does not carry the table's area, or None."""
    d, t, a = r['Depth'], r['FlangeThickness'], ref['A']
    off = lambda w: abs(ring_area(d, w) / a - 1)
    if off(t) <= 0.02:
        return None
    printed = ref['walls']
    if not any(abs(t - w) <= 0.001 * w for w in printed):
        return 'ring %.2f %% off A with a wall the table does not print' % (
            100 * (ring_area(d, t) / a - 1))
    if min(off(w) for w in printed) < off(t) - 1e-6:
        return 'a printed wall gives a ring nearer A'
    t_area = (d - math.sqrt(d * d - 4 * a / math.pi)) / 2
    ix = ref['Ix']
    if abs(ring_inertia(d, t_area) / ix - 1) < abs(ring_inertia(d, t) / ix - 1):
        return 'ring %.2f %% off A, and Ix follows the wall of A' % (
            100 * (ring_area(d, t) / a - 1))
    return None


def outline_faults(r):
    """Conditions under which the drawn outline of the family stays a simple
    loop inside its box; a k or k1 missing (0) or taken from the wrong column
    breaks them."""
    code = r['ShapeType']
    d, b = r['Depth'], r['Width']
    tf, tw = r['FlangeThickness'], r['WebThickness']
    k, k1 = r['FilletDepthK'], r['FilletWidthK1']
    if code in (0, 1, 3, 4, 5, 18):
        conds = [('tw/2 <= k1 <= b/2', tw / 2 <= k1 <= b / 2),
                 ('tf <= k <= d/2', tf <= k <= d / 2)]
    elif code == 2:
        conds = [('tf <= k <= d/2', tf <= k <= d / 2),
                 ('b/2 + tw/2 + 0.8k <= 0.8b', b / 2 + tw / 2 + 0.8 * k <= 0.8 * b)]
    elif code in (6, 7):
        conds = [('max(tw, tf) <= k <= 0.8b', max(tw, tf) <= k <= 0.8 * b),
                 ('2k <= d', 2 * k <= d)]
    elif code in (9, 10):
        conds = [('tw/2 <= k1 <= b/2', tw / 2 <= k1 <= b / 2),
                 ('tf <= k <= d', tf <= k <= d)]
    elif code in (15, 16):
        ro, ri = r['OuterRadius'], r['InnerRadius']
        conds = [('0 < ri <= ro <= b/2', 0 < ri <= ro <= b / 2)]
    else:
        conds = []
    return [what for what, ok in conds if not ok]


def check_file(name, rows, db, fails, notes):
    codes, kinds = FAMILY[name]
    err = lambda r, msg: fails.append('%s %s: %s' % (name, r.get('NameSI'), msg))
    if not 1 <= len(rows) <= 500:
        fails.append('%s: %d rows' % (name, len(rows)))
    seen = set()
    worst_c = 0.0
    worst_z = {}
    for r in rows:
        code = r['ShapeType']
        if r['_count'] != (32 if code in (6, 7) else 31):
            err(r, 'value count %d' % r['_count'])
        for t in TEXT:
            if not r[t] or len(r[t]) > 25:
                err(r, '%s %r empty or longer than 25' % (t, r[t]))
        if code not in codes:
            err(r, 'code %d not of this family' % code)
        d, b = r['Depth'], r['Width']
        tf, tw = r['FlangeThickness'], r['WebThickness']
        if min(d, b, tf, tw) <= 0:
            err(r, 'a dimension is not positive')
        if code in (15, 16) and (code == 16) != (d == b):
            err(r, 'square code %d with Depth %g, Width %g' % (code, d, b))
        if code in (0, 1, 2, 3, 4, 5, 18, 6, 7, 15, 16) and not 2 * tf < d:
            err(r, 'flanges do not fit the depth')
        if code not in (8, 17) and not tw < b:
            err(r, 'web not narrower than the width')
        if code in (15, 16, 17) and not 2 * tf < b:
            err(r, 'walls do not fit the width')
        for what in outline_faults(r):
            err(r, 'outline would fold: %s does not hold' % what)
        cx, cy = r['CentroidX'], r['CentroidY']
        if not (0 < cx < b and 0 < cy < d):
            err(r, 'centroid (%g, %g) outside the %g x %g box' % (cx, cy, b, d))
        a = r['ElemArea']
        for axis in 'xy':
            want = math.sqrt(r['ElemI' + axis] / a)
            if abs(r['ElemR' + axis] - want) > 0.01 * want:
                err(r, 'r%s %g but sqrt(I%s/A) %g' % (axis, r['ElemR' + axis],
                                                       axis, want))
        ref = db.get(r['NameSI'])
        if ref is None or ref['kind'] not in kinds:
            err(r, 'not a %s row of the database' % '/'.join(sorted(kinds)))
        else:
            for fld, key in (('ElemArea', 'A'), ('ElemIx', 'Ix'), ('ElemIy', 'Iy')):
                if r[fld] != f32(ref[key]):
                    err(r, '%s %r, database %r' % (fld, r[fld], ref[key]))
            if ref['kind'] in ('C', 'MC'):
                slope = r['InnerRadius']
                if ref['kind'] == 'C' and slope != f32(1 / 6):
                    err(r, 'flange slope %r, not 1 in 6' % slope)
                if not 0 < slope <= f32(1 / 6):
                    err(r, 'flange slope %r not between flat and 1 in 6' % slope)
            if ref['kind'] == 'PIPE':
                fault = pipe_wall_fault(r, ref)
                if fault:
                    err(r, fault)
                ring = ring_area(r['Depth'], r['FlangeThickness']) / ref['A'] - 1
                if abs(ring) > 0.01:
                    notes.append('%s %s: ring %+.2f %% off the tabulated A'
                                 % (name, r['NameSI'], 100 * ring))
        if r['NameSI'] in seen:
            err(r, 'listed twice')
        seen.add(r['NameSI'])
        gu, gv = geometric_centroid(*components(r))
        off = max(abs(gu - cx) / b, abs(gv - cy) / d)
        worst_c = max(worst_c, off)
        if off > 0.10:
            err(r, 'component centroid (%.1f, %.1f) far from (%g, %g)'
                % (gu, gv, cx, cy))
        rects, _ = components(r)
        ratio = r['ElemIx'] / r['ElemIy']
        if rects and abs(math.log(ratio)) > math.log(1.5):
            gx, gy = component_inertia(rects)
            g = math.log(gx / gy)
            if abs(g - math.log(ratio)) >= abs(g + math.log(ratio)):
                err(r, 'Ix/Iy %.3g but the drawn shape gives %.3g: axes swapped'
                    % (ratio, gx / gy))
        if ref is not None:
            zx, zy = plastic_estimate(r)
            fam = ref['kind'] if ref['kind'] != 'HSS-round' else 'HSS round'
            for lab, est, tab in (('Zx', zx, ref['Zx']), ('Zy', zy, ref['Zy'])):
                dev = (est - tab) / tab
                cur = worst_z.get((fam, lab))
                if cur is None or abs(dev) > abs(cur[0]):
                    worst_z[(fam, lab)] = (dev, r['NameSI'])
    missing = [n for n, v in db.items() if v['kind'] in kinds and n not in seen]
    if name == 'HSS.DAT' and missing:
        kept_max = max(float(db[n]['h/tdes']) for n in seen)
        out_min = min(float(db[n]['h/tdes']) for n in missing)
        if not (len(seen) + len(missing) > 500 and out_min > kept_max):
            fails.append('HSS.DAT: left-out rows are not the thinnest-walled')
        notes.append('HSS.DAT: %d database rows left out, h/tdes %.1f and up '
                     '(largest kept %.1f)' % (len(missing), out_min, kept_max))
    elif missing:
        fails.append('%s: database rows missing: %s' % (name, missing[:5]))
    notes.append('%s: %d rows; component centroid within %.1f %% of the box'
                 % (name, len(rows), 100 * worst_c))
    for (fam, lab), (dev, who) in sorted(worst_z.items()):
        notes.append('    %-9s %s estimate vs tabulated: largest %+6.1f %% (%s)'
                     % (fam, lab, 100 * dev, who))


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--csv', default=DEFAULT_CSV)
    ap.add_argument('--dir', default=DEFAULT_DIR)
    args = ap.parse_args(argv)
    db = read_db(args.csv)
    fails, notes = [], []
    for name in FAMILY:
        path = os.path.join(args.dir, name)
        try:
            rows = read_shape_file(path)
        except (OSError, ValueError) as e:
            fails.append('%s: cannot read: %s' % (name, e))
            continue
        check_file(name, rows, db, fails, notes)
    for n in notes:
        print(n)
    for f in fails:
        print('FAIL ' + f)
    print('%d failure(s)' % len(fails))
    return 1 if fails else 0


if __name__ == '__main__':
    sys.exit(main())
