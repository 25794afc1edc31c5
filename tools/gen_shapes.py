#!/usr/bin/env python3
"""Generate the six shape files in data/Shapes/ from the AISC Shapes Database v16.0.

Usage:  python3 tools/gen_shapes.py [--csv PATH] [--out DIR]

Input: the CSV sheet "Database v16.0" of the AISC Shapes Database (default
../shared/data/steel-shapes/aisc-shapes-database-v16.0.csv beside the repository).
The CSV itself never goes into the repository; only the files written here do.
Python 3 standard library only.

Reading the CSV
---------------
Header names repeat (US block, then SI block), so columns are read by position:
column 0 Type, 1-2 US designations, 3 T_F, 4-83 the 80 properties in inches;
84-85 SI designations, 86-165 the same 80 properties in SI units. The layout is
asserted on start-up (the two property header runs must agree name for name).
A value of "–" (en dash) means missing. Every length and property in a row is
taken from the SI block and scaled to plain millimetre units:
    mm, mm^2, kg/m     as given
    I  (Ix, Iy)        x 10^6   -> mm^4
    S, Z               x 10^3   -> mm^3
    J                  x 10^3   -> mm^4   (J is tabulated in 10^3 mm^4)
    Cw                 x 10^9   -> mm^6
Only three things come from the US block: NameImp (the Manual label, e.g.
HSS8X6X1/2 rather than the EDI form HSS8X6X.500), NominalSizeImp (parsed from
that label) and MassImp (the tabulated weight W in lb/ft).

Row format
----------
One row per line, values separated by commas, "." decimals, no header, LF line
ends. 31 values; 32 for codes 6 and 7 (the 32nd is ChannelExtra). Names are at
most 25 characters (the longest used is 20) and are quoted only if they hold a
comma (none do). Integers are written as integers. Every real value is first
rounded to single precision (that is what the table holds) and then written as
the shortest plain decimal (no exponent) that converts back to exactly that
single-precision value, whether the reader rounds decimal -> single directly or
goes through double; so 9.91 is written "9.91" and 222 x 10^6 mm^4 "222000000".
A decimal lying exactly halfway between two singles would leave the result to
the reader's tie rule, so such a form is passed over for a longer one: the
single nearest 7.38 x 10^9 is written "7379999700", not "7380000000".

Codes and files (database Type -> ShapeType)
--------------------------------------------
  W.DAT    W 1, M 3, HP 4   parallel-flange I-sections
           S 2              sloped-flange I-sections
           (0 is kept free because it is what a cleared record holds, so a real
           shape never looks like an empty slot; 5 and 18 are unused: the
           database has no other parallel-flange series.)
  C.DAT    C 6, MC 7        channels (32 values)
  L.DAT    L 8              single angles (2L double angles are not used)
  T.DAT    WT 9, MT 10, ST 10   tees
  HSS.DAT  rectangular HSS 15, square HSS (Ht = B) 16
  CHS.DAT  round HSS 17, PIPE 17
Rows keep the database order within each file (W, M, S, HP; C, MC; WT, MT, ST;
round HSS then pipe).

Local frame of an element
-------------------------
u runs along Width, v along Depth; the insertion point is the lower-left corner
of the Width x Depth box. ElemIx is about the element's own centroidal axis
parallel to u (horizontal when unturned), ElemIy about the one parallel to v.
CentroidX / CentroidY are the centroid's u and v measured from the insertion
point.

  I (W, M, HP, S)  Depth = d, Width = bf, FlangeThickness = tf, WebThickness = tw.
                   Flanges at v = 0 and v = d, web on u = bf/2. Ix, Iy as
                   tabulated (x-x is the strong axis). Centroid (bf/2, d/2).
  Channel          Depth = d, Width = bf; back of the web on u = 0, flanges
                   reaching towards +u (as the channel outline draws it).
                   CentroidX = x (the database measures x from the back of the
                   web), CentroidY = d/2. Ix, Iy as tabulated. InnerRadius
                   holds the slope of the inner flange faces (see below).
  Angle            The database lists L6X4X1/2 with b = 6 (long leg), d = 4
                   (short leg), and its Ix, y belong to the long leg standing
                   vertical, x measured along the short leg, both from the heel.
                   We keep exactly that picture: the heel is the insertion point,
                   the SHORT leg lies along u (Width = d, the database's short
                   leg), the LONG leg stands along v (Depth = b). Then every
                   tabulated x/y property applies unchanged: ElemIx = Ix,
                   ElemIy = Iy, Sx, Sy, rx, ry, Zx, Zy as tabulated, and
                   CentroidX = x, CentroidY = y. FlangeThickness = WebThickness
                   = t. (Equal-leg angles are the same either way.)
  Tee              Depth = d (overall depth of the tee), Width = bf. The flange
                   lies at the BOTTOM, its outer face on v = 0, the stem rising
                   to v = d on u = bf/2 (as the tee outline draws it).
                   CentroidX = bf/2, CentroidY = y (the database measures y from
                   the outer face of the flange, which is our v = 0). Ix, Iy as
                   tabulated.
  Rectangular HSS  Depth = Ht, Width = B, FlangeThickness = WebThickness = tdes
                   (the design wall, 0.93 tnom, on which all tabulated
                   properties rest). Ix is about the axis parallel to B, as
                   tabulated. Centroid (B/2, Ht/2). Corner radii are not in the
                   database: OuterRadius = 2 tdes, InnerRadius = tdes, the pair
                   that reproduces the tabulated areas (median error 0.02 %,
                   at most 0.4 %, in inch dimensions; 0.15 % and 0.9 % with
                   the three-figure SI dimensions we write). 1.5 tdes outside
                   misses by up to 4.6 %.
  Round HSS, pipe  Depth = Width = OD, FlangeThickness = WebThickness = the
                   wall t, centroid (OD/2, OD/2). OuterRadius = OD/2 and
                   InnerRadius = OD/2 - t, the true radii (nothing draws with
                   them; the outline and the plastic moduli use Depth and
                   FlangeThickness). Round HSS: t = tdes. Pipe: the wall on
                   which the table's own area rests (see pipe_wall): the
                   design wall tdes, or the wall of the tabulated inner
                   diameter ID, whichever ring lies nearer the tabulated A.
                   The large extra-strong pipes (Pipe14XS to Pipe26XS) follow
                   their ID: Pipe20XS, OD 20.0 in and ID 19.1 in, gives
                   A = 27.6 in2 and Z = 172 in3 as tabulated, where tdes =
                   0.465 in gives 28.5 in2 and 177.5 in3. Most smaller pipes
                   follow tdes, their ID being OD - 2 tnom (a ring 5 % to 7 %
                   above the table). The ID wall is (OD - ID) / 2 of the inch
                   block: the three-figure mm values lose too much (26 in and
                   25.1 in print as 660 and 638 mm, an 11.0 mm wall for 11.43).
                   Where that ring still misses A by more than 2 %, the table's
                   area is tested against its second moment: if the ring that
                   has the tabulated A (the wall solved from A and OD) also
                   reproduces the tabulated Ix better, the table's properties
                   rest on a wall it does not print and that wall is taken
                   (Pipe12XXS: A, Ix and Z agree on 24.2 to 24.5 mm, tdes is
                   23.6, its ID gives 23.5); otherwise the area is the odd
                   value out and the wall stays (Pipe10STD, Pipe12XS: their
                   Ix and Z follow tdes, their A does not). The generator
                   lists the pipes whose wall is not tdes.

Other fields
------------
  FilletDepthK   kdet (detailing k), not kdes. The only use of k is the drawn
                 root fillet, and kdet is the value that belongs with k1, which
                 the database gives only as a detailing dimension: with kdet the
                 fillet's width (k1 - tw/2) over its depth (k - tf) has a median
                 of 0.95 over the W rows, a round fillet as rolled; with kdes it
                 is 1.55. kdes is a conservative design value for web local
                 yielding, which this program does not check. HSS and round: 0.
  FilletWidthK1  W, M, HP: k1 as tabulated. WT, MT: k1 of the parent W or M
                 shape (WTnXw is cut from W(2n)X(2w); the generator asserts
                 that bf, tf, tw of the two rows agree). S and ST have no k1 in
                 the database; the tee outline needs one, so for S and ST we use
                 k1 = tw/2 + (kdet - tf), a round fillet of the radius that kdet
                 implies. Channels, angles, HSS: 0 (no web centre line with a
                 fillet on either side; nothing reads it for them).
  Ratio1/Ratio2  Ratio1 = the family's flange (or wall) width-to-thickness
                 ratio as tabulated: bf/2tf for I and tee, b/t for channel and
                 angle, b/tdes for rectangular HSS (the walls along Width, like
                 a plate's W/T), D/t for round. Ratio2 = 1 / Ratio1, the inverse
                 ratio, as the plate builder stores T/W beside W/T.
  ShapeExtra     ro, the polar radius of gyration about the shear centre (mm):
                 the one further constant that flexural-torsional buckling needs
                 beside A, I, J and Cw. Tabulated for C, MC, L, WT, MT, ST; for
                 the doubly symmetric families (I, S, HSS, round) the shear
                 centre is the centroid and ro = sqrt(rx^2 + ry^2).
  ChannelExtra   eo, the shear-centre distance from the back of the web (mm);
                 only codes 6 and 7 carry it.
  InnerRadius    channels (codes 6 and 7): the slope of the inner flange faces,
                 the change of flange thickness per unit of width (the
                 channel's corner radius would mean nothing; the channel outline
                 reads only d, b, tf, tw and k, so the drawing does not change).
                 The plastic moduli take the flanges at this slope about their
                 tabulated mean thickness tf; a 0 there (a channel written
                 before the field was filled) stands for 1 in 6. C channels
                 are rolled at 1 in 6 and carry 1/6. The database gives no
                 slope for MC channels, which mix 1 in 6 with much flatter
                 flanges; but their x depends on it, so each MC row carries
                 the slope, between flat and 1 in 6, at which the outline the
                 program builds (flanges tapered about tf, both root fillets of
                 one radius taking the area the plain outline lacks, held to
                 kdet along the web) has its centroid at the tabulated x (see
                 channel_slope). Where even 1 in 6 leaves x above the table
                 (MC310X21.3, MC310X15.8, MC250X12.5, MC200X12.6, by 0.03 to
                 0.06 mm) the row keeps 1 in 6. A row that would need a flat
                 flange stops the generator, as 0 cannot carry it.
  ElemRx, ElemRy as tabulated, except where the table contradicts itself: in
                 6 rows (MT125X5.95, MT75X2.75, MT50X4.45, Pipe250STD,
                 Pipe15STD, Pipe300XS) a tabulated r differs from sqrt(I / A)
                 by 1.1 to 1.6 %, more than three-figure rounding of r, I and
                 A explains; there both radii of the row are written as
                 sqrt(I / A), because A and I are what the program computes
                 with. The generator lists them.
  ElemJ, ElemCw  as tabulated; Cw = 0 for HSS and pipe (closed sections, "–"
                 in the database).
  NominalSize    the first number of the designation (NominalSizeSI from the SI
                 label, NominalSizeImp from the US label: W310X97 gives 310 and
                 W12X65 gives 12; Pipe1-1/2STD gives 1 1/2 before rounding),
                 rounded to the nearest whole number with halves rounded UP:
                 M12.5 -> 13, WT10.5 -> 11, L2-1/2 -> 3, HSS6.625 -> 7,
                 Pipe1/2 -> 1, ST37.5 (SI) -> 38, HSS863.6 (SI) -> 864. Halves
                 up keeps a half-size series on one side (L2-1/2 and L3-1/2 both
                 go up) and never gives 0 for a real shape.
  MassSI, MassImp  tabulated W in kg/m and in lb/ft.
  Spare1-4       not part of a row (0 in the table).

Rectangular HSS: rows left out
------------------------------
The database has 525 rectangular and square HSS rows; a shape file holds at
most 500. We leave out the thinnest-walled tubes: the rows with the largest
h/tdes (flat height over design wall), taking whole groups of equal h/tdes so
that the rule is a plain limit rather than an arbitrary pick inside a tie. With
v16.0 this leaves out the 28 rows with h/tdes >= 74.3 (h/tdes from 74.3 to 100:
1/8 to 5/16 in walls on 9 to 24 in tubes, e.g. HSS24X12X1/4, HSS16X4X3/16,
HSS10X2X1/8) and keeps 497. These walls are slender for local buckling in
compression and are the least likely to be chosen as a component of a built-up
section, which is built up to be stocky. Every outer size keeps at least one
heavier wall, so no size disappears from the list.
The generator prints the rows it leaves out.
"""

import argparse
import csv
import hashlib
import math
import os
import re
import struct
import sys
from decimal import Decimal
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
DEFAULT_CSV = os.path.join(REPO, '..', 'shared', 'data', 'steel-shapes',
                           'aisc-shapes-database-v16.0.csv')
DEFAULT_OUT = os.path.join(REPO, 'data', 'Shapes')
CSV_SHA256 = '36dadc940c8cde76a325c77a8af17f4ff28e7d4a25e22bacbe7aa9346c71452f'

MISSING = '\u2013'          # en dash
MAX_ROWS = 500
NAME_LEN = 25

US_FIRST = 4                # first US property column
SI_FIRST = 86               # first SI property column
N_PROPS = 80

# Property names in their order in each block (verified against the header).
PROPS = [
    'W', 'A', 'd', 'ddet', 'Ht', 'h', 'OD', 'bf', 'bfdet', 'B', 'b', 'ID',
    'tw', 'twdet', 'twdet/2', 'tf', 'tfdet', 't', 'tnom', 'tdes', 'kdes',
    'kdet', 'k1', 'x', 'y', 'eo', 'xp', 'yp', 'bf/2tf', 'b/t', 'b/tdes',
    'h/tw', 'h/tdes', 'D/t', 'Ix', 'Zx', 'Sx', 'rx', 'Iy', 'Zy', 'Sy', 'ry',
    'Iz', 'rz', 'Sz', 'J', 'Cw', 'C', 'Wno', 'Sw1', 'Sw2', 'Sw3', 'Qf', 'Qw',
    'ro', 'H', 'tan(\u03b1)', 'Iw', 'zA', 'zB', 'zC', 'wA', 'wB', 'wC', 'SwA',
    'SwB', 'SwC', 'SzA', 'SzB', 'SzC', 'rts', 'ho', 'PA', 'PA2', 'PB', 'PC',
    'PD', 'T', 'WGi', 'WGo']
assert len(PROPS) == N_PROPS

# SI block scale to plain mm units.
SI_SCALE = {'Ix': 10**6, 'Iy': 10**6, 'Sx': 10**3, 'Sy': 10**3,
            'Zx': 10**3, 'Zy': 10**3, 'J': 10**3, 'Cw': 10**9}

CODES = {'W': 1, 'M': 3, 'HP': 4, 'S': 2, 'C': 6, 'MC': 7, 'L': 8,
         'WT': 9, 'MT': 10, 'ST': 10, 'HSS_RECT': 15, 'HSS_SQUARE': 16,
         'HSS_ROUND': 17, 'PIPE': 17}

FILES = [  # file name, database kinds in file order (database order is kept)
    ('W.DAT', ('W', 'M', 'S', 'HP')),
    ('C.DAT', ('C', 'MC')),
    ('L.DAT', ('L',)),
    ('T.DAT', ('WT', 'MT', 'ST')),
    ('HSS.DAT', ('HSS_RECT', 'HSS_SQUARE')),
    ('CHS.DAT', ('HSS_ROUND', 'PIPE')),
]


class DataError(Exception):
    pass


# ---------------------------------------------------------------- single precision

def f32(x):
    """Round a double to the nearest single-precision value."""
    return struct.unpack('<f', struct.pack('<f', x))[0]


def _f32_bits(x):
    return struct.unpack('<I', struct.pack('<f', x))[0]


def _f32_from_bits(n):
    return struct.unpack('<f', struct.pack('<I', n))[0]


def _reads_back_directly(text, target):
    """True when the exact decimal `text` lies strictly inside the rounding
    interval of the single-precision `target` (so a correctly rounding
    decimal-to-single conversion yields `target`, no tie involved)."""
    value = Fraction(Decimal(text))
    bits = _f32_bits(target)
    if target == 0.0:
        return value == 0
    if target < 0:
        raise ValueError('negative values are not written')
    up = Fraction(_f32_from_bits(bits + 1))
    down = Fraction(_f32_from_bits(bits - 1))
    exact = Fraction(target)
    return (exact + down) / 2 < value < (exact + up) / 2


def plain_decimal(text):
    """Decimal string without exponent and without trailing zeros."""
    s = format(Decimal(text), 'f')
    if '.' in s:
        s = s.rstrip('0').rstrip('.')
    return s


def format_single(x):
    """Shortest plain decimal that reads back to f32(x) exactly."""
    target = f32(x)
    if not math.isfinite(target):
        raise DataError('value %r is not a finite single' % x)
    if target == 0.0:
        return '0'
    for digits in range(1, 10):
        text = plain_decimal(format(target, '.%dg' % digits))
        if f32(float(text)) == target and _reads_back_directly(text, target):
            return text
    raise DataError('no 9-digit form for %r' % x)   # cannot happen for singles


# ---------------------------------------------------------------- database access

class Shape:
    """One database row, with US and SI property values by name."""

    def __init__(self, fields):
        self.fields = fields
        self.type = fields[0]
        self.name_us = fields[2].strip()
        self.name_si = fields[85].strip()

    def _raw(self, block_first, name):
        return self.fields[block_first + PROPS.index(name)].strip()

    def has(self, name):
        return self._raw(SI_FIRST, name) != MISSING

    def si(self, name):
        """SI value of a property as an exact Decimal in plain mm units."""
        raw = self._raw(SI_FIRST, name)
        if raw == MISSING or raw == '':
            raise DataError('%s: %s is missing' % (self.name_si, name))
        return Decimal(raw) * SI_SCALE.get(name, 1)

    def us(self, name):
        raw = self._raw(US_FIRST, name)
        if raw == MISSING or raw == '':
            raise DataError('%s: US %s is missing' % (self.name_us, name))
        return Decimal(raw)

    def kind(self):
        if self.type != 'HSS':
            return self.type
        if self.has('OD'):
            return 'HSS_ROUND'
        return 'HSS_SQUARE' if self.us('Ht') == self.us('B') else 'HSS_RECT'


def read_database(path, check_hash=True):
    with open(path, 'rb') as fh:
        blob = fh.read()
    digest = hashlib.sha256(blob).hexdigest()
    if check_hash and digest != CSV_SHA256:
        raise DataError('%s is not the v16.0 file this mapping was made for '
                        '(sha256 %s); use --no-hash-check to try anyway'
                        % (path, digest))
    text = blob.decode('utf-8-sig')
    rows = list(csv.reader(text.splitlines()))
    header = rows[0]
    if len(header) != 166:
        raise DataError('expected 166 columns, found %d' % len(header))
    us_names = header[US_FIRST:US_FIRST + N_PROPS]
    si_names = header[SI_FIRST:SI_FIRST + N_PROPS]
    if us_names != PROPS or si_names != PROPS:
        raise DataError('column layout differs from the expected one')
    shapes = []
    for fields in rows[1:]:
        if not any(f.strip() for f in fields):
            continue                       # the trailing row of commas
        if len(fields) != 166:
            raise DataError('row with %d fields: %r' % (len(fields), fields[:3]))
        shapes.append(Shape(fields))
    return shapes


# ---------------------------------------------------------------- designations

_LEAD = re.compile(r'^[A-Za-z]+(\d+-\d+/\d+|\d+/\d+|\d+(?:\.\d+)?)')


def designation_size(label):
    """First number of a designation as an exact Fraction (2-1/2 -> 5/2)."""
    m = _LEAD.match(label)
    if not m:
        raise DataError('no size in designation %r' % label)
    s = m.group(1)
    if '-' in s:
        whole, frac = s.split('-')
        return Fraction(int(whole)) + Fraction(frac)
    if '/' in s:
        return Fraction(s)
    return Fraction(Decimal(s))


def nominal_size(label):
    """Nearest whole number, halves rounded up."""
    n = math.floor(designation_size(label) + Fraction(1, 2))
    if not -32768 <= n <= 32767:
        raise DataError('nominal size of %r does not fit 16 bits' % label)
    return n


_TEE = re.compile(r'^(WT|MT)(\d+(?:\.\d+)?)X(\d+(?:\.\d+)?)$')
_IBEAM = re.compile(r'^(W|M)(\d+(?:\.\d+)?)X(\d+(?:\.\d+)?)$')


def parent_index(shapes):
    """Map (W or M, depth, weight) -> the W or M row, for the tees' k1."""
    index = {}
    for s in shapes:
        m = _IBEAM.match(s.name_us)
        if m and s.type in ('W', 'M'):
            index[(m.group(1), Decimal(m.group(2)), Decimal(m.group(3)))] = s
    return index


def tee_parent(tee, index):
    m = _TEE.match(tee.name_us)
    if not m:
        raise DataError('cannot parse tee designation %r' % tee.name_us)
    key = (m.group(1)[0], 2 * Decimal(m.group(2)), 2 * Decimal(m.group(3)))
    parent = index.get(key)
    if parent is None:
        raise DataError('no parent shape for %s' % tee.name_us)
    for dim in ('bf', 'tf', 'tw'):
        if parent.si(dim) != tee.si(dim):
            raise DataError('%s and its parent %s differ in %s'
                            % (tee.name_us, parent.name_us, dim))
    return parent


# ---------------------------------------------------------------- rows

def ratio_pair(ratio):
    r1 = float(ratio)
    return r1, 1.0 / f32(r1)


RADIUS_FIXES = []


def consistent_radii(s, rx, ry, ix, iy, area):
    """The tabulated radii of gyration, unless one of them contradicts the
    tabulated I and A by more than 1 %: then both are written as sqrt(I / A)
    (both, so that a round section keeps rx = ry), since everything the program
    computes rests on A and I."""
    want = (math.sqrt(float(ix) / float(area)), math.sqrt(float(iy) / float(area)))
    if all(abs(float(r) - w) <= 0.01 * w for r, w in zip((rx, ry), want)):
        return rx, ry
    RADIUS_FIXES.append((s.name_si, (rx, ry), want))
    return Decimal(repr(want[0])), Decimal(repr(want[1]))


ONE_IN_SIX = 1.0 / 6


def _fillet(corner, towards_a, towards_b, r):
    """Area and u of the centroid of the fillet of radius r in the corner
    whose sides leave `corner` along the unit vectors towards_a, towards_b:
    the kite of the corner, its two tangent points and the arc's centre, less
    the circular sector between them."""
    (pu, _), (au, av), (bu, bv) = corner, towards_a, towards_b
    cosine = au * bu + av * bv
    theta = math.acos(cosine)
    half = theta / 2
    t = r / math.tan(half)
    mu, mv = au + bu, av + bv
    m = math.hypot(mu, mv)
    cu = pu + mu / m * r / math.sin(half)
    t1u, t2u = pu + au * t, pu + bu * t
    kite_u = (pu + t1u + cu) / 3 * 0.5 + (pu + cu + t2u) / 3 * 0.5
    kite = r * t
    alpha = (math.pi - theta) / 2                    # half the sector's sweep
    sector = r * r * alpha
    sector_u = cu - mu / m * 2 * r * math.sin(alpha) / (3 * alpha)
    area = kite - sector
    return area, (kite * kite_u - sector * sector_u) / area


def channel_centroid_u(d, b, tf, tw, k, area, slope):
    """u of the centroid of a channel's outline as the program builds it for
    its plastic moduli: the flanges tapered at `slope` about tf at the middle
    of the outstand, both root fillets of one radius that takes the area the
    plain outline lacks, the fillet reaching no further than k along the
    web."""
    run = b - tw
    if run > 0 and slope * run / 2 > tf:
        slope = 2 * tf / run
    at_web, at_tip = tf + slope * run / 2, tf - slope * run / 2
    plain = b * d - run * (d - 2 * tf)
    moment = d * tw * tw / 2 + 2 * tf * run * (tw + b) / 2 - slope * run ** 3 / 6
    missing = area - plain
    if missing <= 0:
        return moment / plain
    up = (0.0, 1.0)
    length = math.hypot(run, at_web - at_tip)
    along = (run / length, (at_tip - at_web) / length)
    theta = math.acos(along[1])
    per_r2 = 1 / math.tan(theta / 2) - (math.pi - theta) / 2
    r = math.sqrt(missing / 2 / per_r2)
    if k - at_web > 0:
        r = min(r, (k - at_web) * math.tan(theta / 2))
    fa, fu = _fillet((float(tw), at_web), up, along, r)
    return (moment + 2 * fa * fu) / (plain + 2 * fa)


SLOPES_AT_LIMIT = []


def channel_slope(s):
    """The flange slope carried by a channel row: 1 in 6 for C; for MC the
    slope, between flat and 1 in 6, that puts the outline's centroid at the
    tabulated x (the centroid moves towards the web as the slope grows)."""
    if s.type == 'C':
        return ONE_IN_SIX
    f = lambda n: float(s.si(n))
    x = f('x')
    at = lambda slope: channel_centroid_u(f('d'), f('bf'), f('tf'), f('tw'),
                                          f('kdet'), f('A'), slope)
    if at(ONE_IN_SIX) >= x:
        SLOPES_AT_LIMIT.append((s.name_si, x, at(ONE_IN_SIX)))
        return ONE_IN_SIX
    if at(0.0) <= x:
        raise DataError('%s: x %s needs a flat flange, which InnerRadius 0 '
                        'cannot carry' % (s.name_si, x))
    lo, hi = 0.0, ONE_IN_SIX
    for _ in range(60):
        mid = (lo + hi) / 2
        if at(mid) > x:
            lo = mid
        else:
            hi = mid
    return (lo + hi) / 2


PIPE_WALLS = []


def ring_area(od, t):
    return math.pi * t * (od - t)


def ring_inertia(od, t):
    return math.pi / 64 * (od ** 4 - (od - 2 * t) ** 4)


def pipe_wall(s):
    """The pipe wall (mm) on which the table's area rests: tdes or the wall of
    the inch block's OD and ID, whichever ring is nearer the tabulated A; where
    that still misses A by more than 2 %, the wall of the tabulated A itself
    when its ring also matches the tabulated Ix better."""
    od, area, ix = float(s.si('OD')), float(s.si('A')), float(s.si('Ix'))
    miss = lambda t: abs(ring_area(od, t) / area - 1)
    tdes = float(s.si('tdes'))
    walls = [('tdes', tdes)]
    if s.has('ID'):
        walls.append(('ID', float((s.us('OD') - s.us('ID')) / 2) * 25.4))
    how, t = min(walls, key=lambda w: miss(w[1]))
    if miss(t) > 0.02:
        t_area = (od - math.sqrt(od * od - 4 * area / math.pi)) / 2
        off_ix = lambda w: abs(ring_inertia(od, w) / ix - 1)
        if off_ix(t_area) < off_ix(t):
            how, t = 'A', t_area
    if how != 'tdes':
        PIPE_WALLS.append((s.name_us, how, tdes, t))
    return Decimal(repr(f32(t)))


def build_row(s, parents):
    """The 31 or 32 values of one shape-file row, as Python values."""
    kind = s.kind()
    code = CODES[kind]
    f = float
    A = s.si('A')
    ix, iy = s.si('Ix'), s.si('Iy')
    sx, sy = s.si('Sx'), s.si('Sy')
    rx, ry = s.si('rx'), s.si('ry')
    zx, zy = s.si('Zx'), s.si('Zy')
    J = s.si('J')
    Cw = s.si('Cw') if s.has('Cw') else Decimal(0)
    ri = ro_corner = Decimal(0)
    k = k1 = Decimal(0)
    ro_polar = None

    if kind in ('W', 'M', 'HP', 'S'):
        depth, width = s.si('d'), s.si('bf')
        tf, tw = s.si('tf'), s.si('tw')
        k = s.si('kdet')
        if kind == 'S':
            k1 = tw / 2 + (k - tf)
        else:
            k1 = s.si('k1')
        ratio = s.si('bf/2tf')
        cx, cy = width / 2, depth / 2
    elif kind in ('C', 'MC'):
        depth, width = s.si('d'), s.si('bf')
        tf, tw = s.si('tf'), s.si('tw')
        k = s.si('kdet')
        ratio = s.si('b/t')
        cx, cy = s.si('x'), depth / 2
        ro_polar = s.si('ro')
        ri = Decimal(repr(f32(channel_slope(s))))
    elif kind == 'L':
        # Short leg (database d) along u, long leg (database b) along v.
        width, depth = s.si('d'), s.si('b')
        if width > depth:
            raise DataError('%s: short leg longer than long leg' % s.name_si)
        tf = tw = s.si('t')
        k = s.si('kdet')
        ratio = s.si('b/t')
        cx, cy = s.si('x'), s.si('y')
        ro_polar = s.si('ro')
    elif kind in ('WT', 'MT', 'ST'):
        depth, width = s.si('d'), s.si('bf')
        tf, tw = s.si('tf'), s.si('tw')
        k = s.si('kdet')
        if kind == 'ST':
            k1 = tw / 2 + (k - tf)
        else:
            k1 = tee_parent(s, parents).si('k1')
        ratio = s.si('bf/2tf')
        cx, cy = width / 2, s.si('y')       # flange outer face on v = 0
        ro_polar = s.si('ro')
    elif kind in ('HSS_RECT', 'HSS_SQUARE'):
        depth, width = s.si('Ht'), s.si('B')
        tf = tw = s.si('tdes')
        ri, ro_corner = tf, 2 * tf
        ratio = s.si('b/tdes')
        cx, cy = width / 2, depth / 2
    elif kind in ('HSS_ROUND', 'PIPE'):
        depth = width = s.si('OD')
        tf = tw = pipe_wall(s) if kind == 'PIPE' else s.si('tdes')
        ro_corner = depth / 2
        ri = depth / 2 - tf
        ratio = s.si('D/t')
        cx, cy = depth / 2, depth / 2
    else:
        raise DataError('unexpected kind %s' % kind)

    rx, ry = consistent_radii(s, rx, ry, ix, iy, A)
    if ro_polar is None:
        ro_polar = math.sqrt(f(rx) ** 2 + f(ry) ** 2)
    r1, r2 = ratio_pair(ratio)

    values = [
        s.name_si, code,
        f(depth), f(width), f(tf), f(tw), f(ri), f(ro_corner), r1, r2,
        f(k), f(k1), nominal_size(s.name_si),
        f(s.si('W')), f(A), f(ix), f(sx), f(rx), f(zx), f(iy), f(sy), f(ry),
        f(zy), f(J), f(Cw), f(ro_polar),
        s.name_us, nominal_size(s.name_us), f(s.us('W')), f(cx), f(cy),
    ]
    if code in (6, 7):
        values.append(f(s.si('eo')))
    return values


INT_POSITIONS = {1, 12, 27}     # 0-based: ShapeType, NominalSizeSI, NominalSizeImp
NAME_POSITIONS = {0, 26}


def format_row(values):
    out = []
    for i, v in enumerate(values):
        if i in NAME_POSITIONS:
            if len(v) > NAME_LEN:
                raise DataError('designation %r is longer than %d characters'
                                % (v, NAME_LEN))
            if '"' in v:
                raise DataError('designation %r holds a double quote' % v)
            out.append('"%s"' % v if ',' in v else v)
        elif i in INT_POSITIONS:
            out.append(str(int(v)))
        else:
            if v < 0:
                raise DataError('negative value in row %s' % values[0])
            out.append(format_single(v))
    return ','.join(out)


# ---------------------------------------------------------------- HSS selection

def select_hss(rows):
    """Leave out the thinnest-walled tubes (largest h/tdes, whole ties) until
    at most MAX_ROWS remain. Returns (kept, left_out), both in database order."""
    excess = len(rows) - MAX_ROWS
    if excess <= 0:
        return rows, []
    ratios = sorted((r.si('h/tdes') for r in rows), reverse=True)
    limit = ratios[excess - 1]              # ties at the limit go as well
    kept = [r for r in rows if r.si('h/tdes') < limit]
    out = [r for r in rows if r.si('h/tdes') >= limit]
    return kept, out


# ---------------------------------------------------------------- main

def generate(csv_path, out_dir, check_hash=True, verbose=True):
    RADIUS_FIXES.clear()
    PIPE_WALLS.clear()
    SLOPES_AT_LIMIT.clear()
    shapes = read_database(csv_path, check_hash)
    parents = parent_index(shapes)
    os.makedirs(out_dir, exist_ok=True)
    report = {}
    for file_name, kinds in FILES:
        rows = [s for s in shapes if s.kind() in kinds]
        left_out = []
        if file_name == 'HSS.DAT':
            rows, left_out = select_hss(rows)
        if not 1 <= len(rows) <= MAX_ROWS:
            raise DataError('%s would hold %d rows' % (file_name, len(rows)))
        lines = [format_row(build_row(s, parents)) for s in rows]
        path = os.path.join(out_dir, file_name)
        tmp = path + '.tmp'
        with open(tmp, 'w', encoding='ascii', newline='\n') as fh:
            fh.write('\n'.join(lines) + '\n')
        os.replace(tmp, path)
        report[file_name] = (len(rows), left_out)
        if verbose:
            print('%-8s %3d rows' % (file_name, len(rows)))
            if left_out:
                print('         left out %d rows (h/tdes >= %s):'
                      % (len(left_out), min(r.si('h/tdes') for r in left_out)))
                for r in left_out:
                    print('           %-20s %-22s h/tdes %s'
                          % (r.name_us, r.name_si, r.si('h/tdes')))
    if verbose and RADIUS_FIXES:
        print('radii of gyration written as sqrt(I/A), a tabulated value '
              'being more than 1 % off:')
        for name, tab, new in RADIUS_FIXES:
            print('  %-14s rx, ry tabulated %s, %s; written %.4g, %.4g'
                  % (name, tab[0], tab[1], new[0], new[1]))
    if verbose and SLOPES_AT_LIMIT:
        print('MC channels whose x lies at or below the 1-in-6 outline\'s, '
              'kept at 1 in 6:')
        for name, x, at in SLOPES_AT_LIMIT:
            print('  %-14s x %s, outline at 1 in 6 %.2f' % (name, x, at))
    if verbose and PIPE_WALLS:
        print('pipes whose wall follows the tabulated area rather than tdes:')
        for name, how, tdes, t in PIPE_WALLS:
            print('  %-14s wall %.3f mm from %s (tdes %.3f)' % (name, t, how, tdes))
    return report


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--csv', default=DEFAULT_CSV, help='database CSV')
    ap.add_argument('--out', default=DEFAULT_OUT, help='output folder')
    ap.add_argument('--no-hash-check', action='store_true',
                    help='accept a CSV other than the known v16.0 file')
    args = ap.parse_args(argv)
    try:
        generate(args.csv, args.out, check_hash=not args.no_hash_check)
    except (DataError, OSError) as e:
        print('gen_shapes: %s' % e, file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
