"""The Python module against vorna-cli (designs, digital filters, circuits, verification)
and against scipy (zeros, poles and gains of the same approximations, responses)."""
import json
import os
import shutil
import signal as signals
import subprocess
import sys
import time

import numpy as np
import pytest
from scipy import signal

import vorna

CLI = os.environ.get("VORNA_CLI", "vorna-cli")

# Keywords of vorna.design and the vorna-cli options of the same design.
SPECS = [
    (dict(kind="lp", approximation="elliptic", fp=1e3, attp=0.1, xs=1.5, atts=60),
     ["--kind", "lp", "--approx", "elliptic", "--fp", "1KHz", "--attp", "0.1", "--xs", "1.5",
      "--atts", "60"]),
    (dict(kind="bp", approximation="elliptic", fp1=1e3, fp2=3e3, attp=0.1, xs=1.5, atts=60),
     ["--kind", "bp", "--approx", "elliptic", "--fp1", "1KHz", "--fp2", "3KHz", "--attp", "0.1",
      "--xs", "1.5", "--atts", "60"]),
    (dict(kind="lp", approximation="chebyshev", order=8, fc=1e3, attp=0.5),
     ["--kind", "lp", "--approx", "chebyshev", "--order", "8", "--fc", "1KHz", "--attp", "0.5"]),
    (dict(kind="hp", approximation="butterworth", fp=2e3),
     ["--kind", "hp", "--approx", "butterworth", "--fp", "2KHz"]),
    (dict(kind="be", approximation="invchebyshev", order=7, fp1=1e3, fp2=4e3),
     ["--kind", "be", "--approx", "invchebyshev", "--order", "7", "--fp1", "1KHz", "--fp2",
      "4KHz"]),
    (dict(kind="bp", approximation="chebyshev", by_order=True),
     ["--kind", "bp", "--approx", "chebyshev", "--by-order"]),
]
IDS = [f"{kw['kind']}-{kw['approximation']}" for kw, _ in SPECS]


def cli(*args, cwd=None):
    out = subprocess.run([CLI, *args], check=True, capture_output=True, text=True, cwd=cwd)
    return json.loads(out.stdout)


def json_sections(results):
    return np.array(results["sections"][: results["sectionLast"] + 1], dtype=float)


@pytest.mark.parametrize("keywords,options", SPECS, ids=IDS)
def test_design_equals_cli(keywords, options):
    d = vorna.design(**keywords)
    ref = cli("design", *options)
    assert d.order == ref["order"]
    for name, key in [("order_exact", "orderExact"), ("atts_achieved", "attsAchieved"),
                      ("fs", "fs"), ("fs1", "fs1"), ("fs2", "fs2"), ("attp", "attp")]:
        assert d.figures[name] == ref[key], name
    r = ref["results"]
    # The CLI's JSON keeps the sections a band design holds, and p0..p2 of an odd low-pass
    # or high-pass order.
    np.testing.assert_array_equal(d.sections, json_sections(r))
    if d.first_order is not None:
        assert d.first_order == (r["p0"], r["p1"], r["p2"])
    dd = d.digital(48e3)
    ref = cli("design", *options, "--digital", "48KHz")
    np.testing.assert_array_equal(dd.sections, json_sections(ref["results"]))


@pytest.mark.parametrize("keywords", [kw for kw, _ in SPECS], ids=IDS)
def test_responses_equal_scipy(keywords):
    d = vorna.design(**keywords)
    f = np.logspace(1, 5, 500)
    gain, phase, delay = d.response(f)
    z, p, k = d.zpk()
    _, h = signal.freqs_zpk(z, p, k, worN=2 * np.pi * f)
    ok = np.abs(h) > 1e-6  # away from the zeros of the transfer function
    np.testing.assert_allclose(gain[ok], 20 * np.log10(np.abs(h[ok])), atol=1e-9)
    np.testing.assert_allclose(np.exp(1j * phase[ok]), h[ok] / np.abs(h[ok]), atol=1e-9)
    # The group delay, from the unwrapped phase of a dense grid.
    dense = np.linspace(0.5 * f[200], 1.5 * f[200], 20001)
    _, ph, dl = d.response(dense)
    numeric = -np.gradient(np.unwrap(ph), 2 * np.pi * dense)
    assert dl[10000] == pytest.approx(numeric[10000], rel=1e-5)

    dd = d.digital(48e3)
    fd = np.linspace(10, 23e3, 400)
    gain, _, _ = dd.response(fd)
    _, h = signal.sosfreqz(dd.sos(), worN=fd, fs=48e3)
    ok = np.abs(h) > 1e-6
    np.testing.assert_allclose(gain[ok], 20 * np.log10(np.abs(h[ok])), atol=1e-8)


# Designs by order and scipy's design of the same approximation: (keywords, scipy's zpk of
# the design's figures).
SCIPY_DESIGNS = [
    (dict(approximation="butterworth", order=5, fc=1e3),
     lambda d: signal.butter(5, 2 * np.pi * 1e3, analog=True, output="zpk")),
    (dict(approximation="chebyshev", order=6, fc=1e3, attp=0.5),
     lambda d: signal.cheby1(6, 0.5, 2 * np.pi * 1e3, analog=True, output="zpk")),
    (dict(approximation="invchebyshev", order=5, fc=1e3, attp=0.5),
     lambda d: signal.cheby2(5, d.figures["atts_achieved"], 2 * np.pi * d.figures["fs"],
                             analog=True, output="zpk")),
    (dict(approximation="elliptic", order=7, fc=1e3, attp=0.2),
     lambda d: signal.ellip(7, 0.2, d.figures["atts_achieved"], 2 * np.pi * 1e3, analog=True,
                            output="zpk")),
] + [
    (dict(approximation="bessel", order=6, fc=1e3, bessel_norm=norm),
     lambda d, norm=norm: signal.bessel(6, 2 * np.pi * 1e3, analog=True, norm=norm,
                                        output="zpk"))
    for norm in ("mag", "delay", "phase")
]


@pytest.mark.parametrize("keywords,scipy_zpk", SCIPY_DESIGNS,
                         ids=[kw["approximation"] + kw.get("bessel_norm", "")
                              for kw, _ in SCIPY_DESIGNS])
def test_zpk_equals_scipy_design(keywords, scipy_zpk):
    d = vorna.design(kind="lp", **keywords)
    z, p, k = d.zpk()
    rz, rp, rk = scipy_zpk(d)
    scale = 2 * np.pi * 1e3
    np.testing.assert_allclose(np.sort_complex(p), np.sort_complex(rp), atol=1e-9 * scale)
    np.testing.assert_allclose(np.sort_complex(z), np.sort_complex(rz), atol=1e-9 * scale)
    # An even-order Chebyshev design puts its ripple above unity gain, scipy below it.
    ripple = 10 ** (0.5 / 20) if keywords["approximation"] == "chebyshev" else 1
    assert k == pytest.approx(rk * ripple, rel=1e-9)


REFUSALS = [
    (dict(kind="bp", fp1=3e3, fp2=1e3), "band_edges_reversed", "fp2"),
    (dict(attp=200), "entry_out_of_range", "attp"),
    (dict(order=60), "entry_out_of_range", "order"),
    (dict(approximation="chebyshev", attp=1, atts=0.5), "atts_below_attp", "atts"),
    (dict(fp=-5), "frequency_not_positive", "fp"),
    (dict(kind="be", approximation="elliptic", fp1=1e3, fp2=2e3, xs=1.5),
     "xs_not_below_band_limit", "xs"),
]


@pytest.mark.parametrize("keywords,rule,field", REFUSALS, ids=[r for _, r, _ in REFUSALS])
def test_refusals_raise_with_their_rule(keywords, rule, field):
    with pytest.raises(vorna.DesignError) as refused:
        vorna.design(**keywords)
    assert isinstance(refused.value, ValueError)
    assert (refused.value.rule, refused.value.field) == (rule, field)
    assert str(refused.value)


def test_entries_the_design_has_no_use_for_and_low_sampling_are_refused():
    with pytest.raises(ValueError):
        vorna.design(approximation="butterworth", order=4, fc=1e3, bessel_norm="mag")
    with pytest.raises(ValueError, match="fp1"):
        vorna.design(kind="lp", fp1=1e3)
    with pytest.raises(vorna.DesignError) as refused:
        vorna.design(fp=1e3).digital(1e3)
    assert (refused.value.rule, refused.value.field) == ("sampling_below_limit", "fs_hz")


def test_design_file_round_trip(tmp_path):
    d = vorna.design(**SPECS[1][0])
    d.save(str(tmp_path / "a.vorna"))
    back = vorna.load(str(tmp_path / "a.vorna"))
    np.testing.assert_array_equal(back.sections, d.sections)
    assert back.figures == d.figures
    with pytest.raises(OSError):
        vorna.load(str(tmp_path / "missing.vorna"))


def test_exports_equal_cli_and_the_c_header_compiles(tmp_path):
    d = vorna.design(**SPECS[0][0])
    for fmt in ["csv", "json", "c"]:
        subprocess.run([CLI, "export", *SPECS[0][1], "--format", fmt, "-o",
                        str(tmp_path / fmt)], check=True, capture_output=True)
        assert d.export(fmt) == (tmp_path / fmt).read_text()
    d.export("c", name="lowpass", path=str(tmp_path / "lowpass.h"))
    (tmp_path / "main.c").write_text(
        '#include "lowpass.h"\nint main(void) { return lowpass[0][0] * lowpass_gain > 0 ? '
        'LOWPASS_SECTIONS - LOWPASS_SECTIONS : 1; }\n')
    compiler = shutil.which("cc") or shutil.which("gcc")
    subprocess.run([compiler, "-std=c99", "-Wall", "-Werror", "-o", str(tmp_path / "main"),
                    str(tmp_path / "main.c")], check=True, cwd=tmp_path)


def test_time_responses_settle_to_the_dc_gain():
    d = vorna.design(kind="lp", approximation="butterworth", order=4, fc=1e3)
    t, y = d.step(points=500)
    assert len(t) == 500 and y[-1] == pytest.approx(1, abs=2e-3)
    t, h = d.impulse(points=500)
    assert np.sum(h) * (t[1] - t[0]) == pytest.approx(1, abs=1e-2)


CIRCUITS = [
    (SPECS[2], "LP2", "E96", "best"),
    (SPECS[1], "BP3", "E24", "first"),
]


@pytest.mark.parametrize("spec,code,series,pick", CIRCUITS, ids=[c[1] for c in CIRCUITS])
def test_circuit_equals_cli(tmp_path, spec, code, series, pick):
    keywords, options = spec
    c = vorna.design(**keywords).circuit(code, series=series, pick=pick)
    ref = cli("circuit", *options, "--circuit", code, "--series", series, "--pick", pick,
              "-o", str(tmp_path / "cli.asc"), cwd=tmp_path)
    assert c.elements == {e["name"]: e["value"] for e in ref["elements"]}
    c.write_schematic(str(tmp_path / "py.asc"))
    assert (tmp_path / "py.asc").read_bytes() == (tmp_path / "cli.asc").read_bytes()
    assert c.journal and not os.path.exists("journal.txt")


def test_verification_equals_cli(tmp_path):
    keywords, options = SPECS[2]
    c = vorna.design(**keywords).circuit("LP2", series="E96", pick="best")
    r = c.verify(gbw=10e6, monte_carlo=300, tolerance_r=1, tolerance_c=5, seed=1, threads=2)
    ref = cli("verify", *options, "--circuit", "LP2", "--series", "E96", "--pick", "best",
              "--gbw", "10Meg", "--monte-carlo", "300", "--seed", "1", cwd=tmp_path)
    np.testing.assert_array_equal(r["simulated"]["simulated_db"],
                                  [p["simulatedDb"] for p in ref["simulated"]])
    assert [s["required_gbw_hz"] for s in r["sections"]] == \
        [s["requiredGbwHz"] for s in ref["sections"]]
    mc, ref_mc = r["monte_carlo"], ref["monteCarlo"]
    assert (mc["runs"], mc["passed_runs"], mc["yield"]) == \
        (ref_mc["runs"], ref_mc["passedRuns"], ref_mc["yield"])
    np.testing.assert_array_equal(mc["envelope"]["p95_db"], ref_mc["envelope"]["p95Db"])
    with pytest.raises(vorna.CircuitError):
        vorna.design(kind="lp").circuit("HP1")


def test_ctrl_c_stops_the_tolerance_analysis(tmp_path):
    script = ("import vorna\n"
              "c = vorna.design(kind='lp', approximation='chebyshev', order=10, fc=1e3)"
              ".circuit('LP2')\n"
              "print('ready', flush=True)\n"
              "try:\n"
              "    c.verify(gbw=10e6, monte_carlo=1000000)\n"
              "except KeyboardInterrupt:\n"
              "    print('interrupted', flush=True)\n")
    run = subprocess.Popen([sys.executable, "-c", script], stdout=subprocess.PIPE, text=True,
                           cwd=tmp_path)
    assert run.stdout.readline().strip() == "ready"
    time.sleep(1)
    run.send_signal(signals.SIGINT)
    asked = time.monotonic()
    out, _ = run.communicate(timeout=60)
    assert out.strip() == "interrupted" and time.monotonic() - asked < 5


def test_example_runs(tmp_path):
    example = os.path.join(os.path.dirname(__file__), "..", "..", "docs", "python-example.py")
    env = dict(os.environ, MPLBACKEND="Agg")
    subprocess.run([sys.executable, example, str(tmp_path / "example.png")], check=True,
                   env=env, cwd=tmp_path, capture_output=True)
    assert (tmp_path / "example.png").stat().st_size > 10000
