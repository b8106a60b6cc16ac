#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind player's whole game: Orca, Debian's screen reader, listens to the game on a private X
# server with a window manager, and the game is played from the keyboard alone. What Orca says,
# in order, must hold what the player needs to hear at each step. In a session bus of its own:
#   dbus-run-session -- /usr/bin/python3 tests/orca.py <program>
# Debian's Python, which has pyatspi. Orca logs every utterance to its debug file, with speech
# itself off (so no sound server is needed), and writes the file out as it ends.
import itertools, os, re, shutil, signal, subprocess, sys, tempfile, time

if subprocess.run(['pgrep', '-u', str(os.getuid()), '-x', 'orca'], capture_output=True).returncode == 0:
    sys.exit(print('SKIP: an Orca of this user runs already, and a second one will not start') or 77)
work = tempfile.mkdtemp()
os.environ.update(HOME=work, XDG_RUNTIME_DIR=work, LC_ALL='C.UTF-8')  # Orca's own words in English
for name in ('QT_QPA_PLATFORM', 'LANGUAGE'):
    os.environ.pop(name, None)
children = []


def start(*command, **options):
    children.append(subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options))


def labels(app='Rakamlik'):  # an application's shown labels and dialogs, as assistive technology reads them
    import pyatspi  # once the display and the accessibility bus are there

    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clear_cache()  # kept up to date only where an event loop runs
    found = []
    for a in (a for a in desktop if a is not None and a.name == app):
        pyatspi.findAllDescendants(a, lambda o: o.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_DIALOG) and
                                   o.getState().contains(pyatspi.STATE_SHOWING) and found.append(o.name))
        found.append(app)
    return found


def focused(app='Rakamlik'):  # the name of what has the keyboard's focus in an application
    import pyatspi

    found = []
    for a in (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == app):
        pyatspi.findAllDescendants(a, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED) and found.append(o.name))
    return found


def wait_for(what, test):  # a fresh session's first keys may take some 20 s to arrive
    end = time.monotonic() + 60
    while not test():
        ended = [c.args[0] for c in children if c.poll() is not None]
        if ended or time.monotonic() > end:
            sys.exit(f'FAIL: no {what}' + (f': {ended} ended' if ended else ' within 60 s'))
        time.sleep(0.5)  # each look walks the whole tree


def key(*keys):
    for k in keys:
        subprocess.run(['xdotool', 'key', k], check=True, timeout=10)
        time.sleep(0.3)


def secret():
    return next((t.split() for t in labels() if re.fullmatch(r' \d \d \d \d', t)), None)


read, write = os.pipe()
# 1366x768, the most common laptop screen, where the help opens narrowed beside the board.
start('Xvfb', '-displayfd', str(write), '-nolisten', 'tcp', '-screen', '0', '1366x768x24', pass_fds=[write])
os.close(write)
os.environ['DISPLAY'] = ':' + os.read(read, 16).decode().strip()
log = os.path.join(work, 'orca.log')
try:
    start('openbox')
    start('orca', '--disable', 'speech', '--debug-file', log)
    wait_for('Orca', lambda: labels('orca'))
    start(sys.argv[1])
    wait_for('game', lambda: 'Q X T' in labels())
    key('ctrl+n')
    wait_for('new game', lambda: 'Başarılar' in labels())
    # A whole round of Tab from "Yeni", and on to "Bak", which shows the secret. The memo buttons
    # say their marks after their names.
    cycle = ([[f'{d} push button.', 'siyah.'] for d in range(10)] + [['Bak push button.']] +
             [[f'{d} push button.'] for d in '1234567890'] + [['Yeni push button.']])
    key(*['Tab'] * (len(cycle) + 11), 'space')
    wait_for('secret', secret)
    won = secret()
    lost = won[1:] + won[:1]  # every digit found, none in its place
    key(*lost, *won)
    wait_for('win', lambda: 'tebrikler' in labels())
    key('ctrl+n')
    wait_for('new game', lambda: 'Başarılar' in labels())
    key('F1')  # the help, then back to the board
    wait_for('help', lambda: 'Nasıl oynanır' in labels())
    key('Down')  # reads on from the first line
    time.sleep(1)
    key('Escape')
    wait_for('board', lambda: 'Nasıl oynanır' not in labels())
    wait_for('focus back', lambda: focused() == ['Yeni'])  # where it was before F1
    time.sleep(5)  # for Orca to say it
finally:
    for child in reversed(children):
        child.send_signal(signal.SIGTERM)
        try:
            child.wait(timeout=20)
        except subprocess.TimeoutExpired:
            child.kill()
    said = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", open(log, encoding='utf-8').read()) if os.path.exists(log) else []
    print('Orca said:\n  ' + '\n  '.join(said))
    shutil.rmtree(work, ignore_errors=True)

notices = [f'notification {" ".join(won)}.', f'notification {" ".join(lost)}, 4 kırmızı işaret.',
           f'notification {" ".join(won)}, 4 mavi işaret, tebrikler. Şanslı, %85.', 'notification Başarılar.',
           'Nasıl oynanır dialog.', 'Rakamlik frame.']
heard = iter(said)
missing = [e for e in ['Rakamlik frame.', 'Yeni push button.', 'notification Başarılar.'] +
           sum(cycle + cycle[:11], []) + notices if e not in heard]
if missing or sum(s.startswith('notification') for s in said) != 5:
    sys.exit(f'FAIL: not each notice once, or not heard in this order: {missing}')
in_help = itertools.takewhile(lambda s: s != 'escape ', said[said.index('Nasıl oynanır dialog.'):])
if not any(len(s) > 40 for s in in_help):  # none of the board's words is as long as a line of the help
    sys.exit('FAIL: the help open, Down read no line of it')
