# Reads a route picture back with a real XML parser and prints what it
# shows, one fact a line ("name<TAB>value"), in route units: each view's data-
# attributes turn pixels back into plan metres, km, km/h and per mille.
#
# Started once by the plot tests (tool/plot_test.cpp) and kept running:
# it says "pronto" when ready, then for each picture's path read from its
# standard input prints the picture's facts and a line "fine". A picture it
# cannot read gives one fact "errore" with the reason.
import itertools
import sys
import traceback
import xml.etree.ElementTree as ET

S = '{http://www.w3.org/2000/svg}'


def g(s): return round(float(s), 3) + 0
def fmt(v): return '%g' % v
def punti(el): return [tuple(map(float, p.split(','))) for p in el.get('points').split()]
def trova(parent, tag, id): return next((e for e in parent.iter(S + tag) if e.get('id') == id), None)
def gruppi(parent, classe): return [e for e in parent.iter(S + 'g') if e.get('class') == classe]
def testi(parent, classi): return [t for t in parent.iter(S + 'text') if t.get('class') in classi]


def leggi(percorso):
    root = ET.parse(percorso).getroot()
    print('titolo\t' + trova(root, 'text', 'titolo').text)
    pianta = trova(root, 'g', 'vista-pianta')
    if pianta is not None:
        ox, oy, s = (float(pianta.get(a)) for a in ('data-origine-x', 'data-origine-y', 'data-scala'))
        linea = punti(trova(pianta, 'polyline', 'pianta'))
        pp = [((x - ox) / s, (oy - y) / s) for x, y in linea]
        passo = max(((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2) ** 0.5 for a, b in zip(pp, pp[1:]))
        print('pianta\t' + ' '.join(fmt(round(v, 1) + 0) for v in pp[0] + pp[-1]) + '\t' + fmt(round(passo, 1)))
        for t in testi(pianta, ('nome-ferma', 'nome-transito')): print('stazione\t' + t.text)
        print('segnali-pianta\t%d' % len(list(trova(pianta, 'g', 'segnali-pianta').iter(S + 'circle'))))
        # The layout: every label's box against every other and against the
        # track (the line and the margin after it, where it is inside the frame).
        fx, fy, fw, fh = map(float, pianta.get('data-cornice').split())
        scatole = [(e.find(S + 'text').text, tuple(map(float, e.get('data-riquadro').split()))) for e in gruppi(pianta, 'etichetta')]
        print('etichette\t%d' % len(scatole))
        for (na, a), (nb, b) in itertools.combinations(scatole, 2):
            if a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]:
                print('sovrapposte\t%s\t%s' % (na, nb))
        def entra(r, p, q):
            t0, t1 = 0.0, 1.0
            dx, dy = q[0] - p[0], q[1] - p[1]
            for pi, qi in ((-dx, p[0] - r[0]), (dx, r[0] + r[2] - p[0]), (-dy, p[1] - r[1]), (dy, r[1] + r[3] - p[1])):
                if pi == 0:
                    if qi < 0: return False
                    continue
                t = qi / pi
                if pi < 0: t0 = max(t0, t)
                else: t1 = min(t1, t)
                if t0 > t1: return False
            return True
        margine = punti(trova(pianta, 'polyline', 'margine'))
        for nome, r in scatole:
            if not (fx <= r[0] and r[0] + r[2] <= fx + fw and fy <= r[1] and r[1] + r[3] <= fy + fh):
                print('fuori\t' + nome)
            for traccia in (linea, margine):
                if any(entra(r, p, q) for p, q in zip(traccia, traccia[1:])):
                    print('copre\t' + nome)
                    break
        xs, ys = [p[0] for p in linea], [p[1] for p in linea]
        lungo = 'x' if fw >= fh else 'y'
        quota = (max(xs) - min(xs)) / fw if lungo == 'x' else (max(ys) - min(ys)) / fh
        print('copertura\t%s %s' % (lungo, 'ok' if quota >= 0.9 else 'only %.3f' % quota))
    elif trova(root, 'polyline', 'pianta') is not None:
        print('pianta\tfuori dalla vista')
    p = trova(root, 'g', 'vista-profilo')
    ox, km, zv, kmh, zp, pm = (float(p.get(a)) for a in ('data-origine-x', 'data-px-per-km', 'data-zero-velocita',
                                                        'data-px-per-kmh', 'data-zero-pendenza', 'data-px-per-permille'))
    def x_km(x): return fmt(g((x - ox) / km))
    print('velocita\t' + ' '.join(x_km(x) + ',' + fmt(round((zv - y) / kmh, 1) + 0) for x, y in punti(trova(p, 'polyline', 'velocita'))))
    for r in trova(p, 'g', 'pendenze').iter(S + 'rect'):
        y, h = float(r.get('y')), float(r.get('height'))
        valore = (zp - y) / pm if r.get('class') == 'pendenza-su' else (zp - y - h) / pm
        print('pendenza\t' + x_km(float(r.get('x'))) + ' ' + x_km(float(r.get('x')) + float(r.get('width'))) + ' ' + fmt(round(valore, 1) + 0))
    for t in testi(p, ('pendenza-valore',)): print('pendenza-testo\t' + x_km(float(t.get('x'))) + ' ' + t.text)
    for r in p.iter(S + 'rect'):
        if r.get('class') == 'montagna': print('montagna\t' + x_km(float(r.get('x'))) + ' ' + x_km(float(r.get('x')) + float(r.get('width'))))
    for f in gruppi(p, 'fermata') + gruppi(p, 'transito'):
        print(f.get('class') + '\t' + x_km(float(f.find(S + 'line').get('x1'))) + '\t' + f.find(S + 'text').text)
    print('segnali-profilo\t' + ' '.join(fmt(float(s.get('data-metri')) / 1000) for s in gruppi(p, 'segnale-profilo')))
    for f in gruppi(p, 'cambio'): print('progressiva\t' + x_km(float(f.find(S + 'line').get('x1'))) + '\t' + f.find(S + 'text').text)
    for r in trova(p, 'g', 'rallentamenti').iter(S + 'title'): print('rallentamento\t' + r.text)
    for r in trova(p, 'g', 'curvature').iter(S + 'title'): print('curva\t' + r.text)
    print('cartelli\t%d' % len(list(trova(p, 'g', 'cartelli').iter(S + 'rect'))))
    print('legenda\t' + ','.join(e.text for e in trova(root, 'g', 'legenda').iter(S + 'text')))


def main():
    print('pronto', flush=True)
    for riga in sys.stdin:
        try:
            leggi(riga.rstrip('\n'))
        except Exception:
            print('errore\t' + traceback.format_exc().replace('\n', ' | '))
        print('fine', flush=True)


if __name__ == '__main__':
    main()
