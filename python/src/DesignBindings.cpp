// vorna.design, vorna.load, vorna.Design and vorna.DigitalDesign.

#include <pybind11/complex.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "Bindings.h"
#include "CascadeBindings.h"
#include "PythonDesign.h"
#include "Zpk.h"
#include "analysis/AttenuationMask.h"
#include "app/DocumentMask.h"

namespace vorna::python {

namespace {

const char* const kDesignDoc =
    R"(Designs an analog filter, as `vorna-cli design` does with the same options.

kind           'lp', 'hp', 'bp' or 'be' (low-pass, high-pass, band-pass, band-eliminate)
approximation  one of vorna.APPROXIMATIONS ('butterworth', 'chebyshev', 'invchebyshev',
               'elliptic', ...)
order          design from this order (2 to 58) instead of from a specification
by_order       design from an order (the one proposed when `order` is not given)
fp             pass-band edge in Hz (low-pass and high-pass by specification)
fc             cut-off frequency in Hz (low-pass and high-pass by order)
fp1, fp2       lower and upper band edge in Hz (band-pass and band-eliminate)
attp           pass-band attenuation or ripple in dB (0 to 100)
atts           stop-band attenuation in dB (0 to 2000)
xs             stop-band ratio Xs (above 1; a band-eliminate design also below sqrt(fp2/fp1))
reference      reference mode, 0 or 1
bessel_norm    what the cut-off of a Bessel design fixes: 'mag' (-3.01 dB, the default),
               'delay' (group delay 1/(2 pi fc) at DC) or 'phase' (the phase asymptote)

An entry left out takes the value the parameter dialog proposes. An entry the design has no
use for (fp1 of a low-pass design, fp of a design by order) raises ValueError; a refused
entry or design raises vorna.DesignError with its rule, field and limits.)";

const char* const kLoadDoc =
    "The design of a design file (.vorna). Raises OSError naming the "
    "file when it cannot be read or holds no design. A file that holds a digital filter gives "
    "its analog design; Design.file_sampling_frequency keeps the sampling frequency.";

py::dict Figures(const DesignDocument& doc) {
    py::dict figures;
    figures["order"] = doc.figures.order;
    figures["order_exact"] = doc.figures.orderExact;
    figures["fp"] = doc.fp;
    figures["fs"] = doc.figures.fs;
    figures["fp1"] = doc.fp1;
    figures["fp2"] = doc.fp2;
    figures["fs1"] = doc.figures.fs1;
    figures["fs2"] = doc.figures.fs2;
    figures["fc"] = doc.figures.fc;
    figures["bandwidth"] = doc.figures.bandwidth;
    figures["attp"] = doc.attp;
    figures["atts"] = doc.atts;
    figures["atts_achieved"] = doc.figures.attsAchieved;
    figures["xs"] = doc.xs;
    figures["xs_alt"] = doc.figures.xsAlt;
    figures["eps_p2"] = doc.figures.epsP2;
    figures["eps_s2"] = doc.figures.epsS2;
    return figures;
}

py::list Mask(const DesignDocument& doc) {
    py::list bands;
    for (const analysis::MaskBand& band : analysis::AttenuationMask(MaskEdgesOf(doc))) {
        py::dict row;
        row["band"] = band.kind == analysis::BandKind::Pass ? "pass" : "stop";
        row["low_hz"] = band.lowHz;
        row["high_hz"] = band.HasUpperEnd() ? py::object(py::float_(band.highHz)) : py::none();
        row["limit_db"] = band.limitDb;
        bands.append(row);
    }
    return bands;
}

py::tuple ZpkTuple(const analysis::Cascade& cascade) {
    const Zpk zpk = ZpkOf(cascade);
    const auto complexArray = [](const std::vector<std::complex<double>>& values) {
        return py::array_t<std::complex<double>>(static_cast<py::ssize_t>(values.size()),
                                                 values.data());
    };
    return py::make_tuple(complexArray(zpk.zeros), complexArray(zpk.poles), zpk.gain);
}

// scipy's sos rows b0 b1 b2 a0 a1 a2, the first-order section first.
py::array_t<double> SosArray(const analysis::Cascade& cascade) {
    std::vector<std::array<double, 6>> rows;
    if (cascade.first) {
        const FirstOrderSection& f = *cascade.first;
        rows.push_back({f.p1, f.p2, 0, 1, f.p0, 0});
    }
    for (const Section& s : cascade.sections)
        rows.push_back({s.num2, s.num1, s.num0, 1, s.den1, s.den0});
    py::array_t<double> sos({static_cast<py::ssize_t>(rows.size()), py::ssize_t{6}});
    auto out = sos.mutable_unchecked<2>();
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < 6; ++j)
            out(static_cast<py::ssize_t>(i), static_cast<py::ssize_t>(j)) = rows[i][j];
    return sos;
}

}  // namespace

void AddDesignBindings(py::module_& module) {
    module.attr("KINDS") = py::tuple(py::cast(KindNames()));
    module.attr("APPROXIMATIONS") = py::tuple(py::cast(ApproximationNames()));

    py::class_<PythonDigitalDesign, std::shared_ptr<PythonDigitalDesign>> digital(
        module, "DigitalDesign",
        "The digital filter of a design (Design.digital): its sections in z^-1, mapped by the "
        "bilinear transform from the design with pre-warped edges.");
    digital
        .def_property_readonly("sampling_frequency", &PythonDigitalDesign::SamplingFrequency,
                               "The sampling frequency in Hz.")
        .def(
            "sos", [](const PythonDigitalDesign& self) { return SosArray(self.DigitalCascade()); },
            "The sections in scipy's sos layout (n, 6): b0 b1 b2 a0 a1 a2, "
            "the first-order section first; scipy.signal.sosfreqz and sosfilt take it as it "
            "is.");
    AddCascadeMethods(digital, &PythonDigitalDesign::DigitalCascade);

    py::class_<PythonDesign, std::shared_ptr<PythonDesign>> design(
        module, "Design",
        "An analog filter design: its entries and figures, its sections in s (rad/s), and what "
        "can be made of it (responses, the digital filter, the attenuation mask, files, "
        "circuits). Made by vorna.design or vorna.load.");
    design
        .def_property_readonly(
            "kind", [](const PythonDesign& self) { return KindName(self.Document().kind); },
            "'lp', 'hp', 'bp' or 'be'.")
        .def_property_readonly(
            "approximation",
            [](const PythonDesign& self) {
                return ApproximationName(self.Document().approximation);
            },
            "The approximation's name, one of vorna.APPROXIMATIONS.")
        .def_property_readonly(
            "by_order", [](const PythonDesign& self) { return self.Document().byOrder; },
            "Whether the design was made from an order.")
        .def_property_readonly(
            "order", [](const PythonDesign& self) { return self.Document().figures.order; },
            "The order of the design.")
        .def_property_readonly(
            "figures", [](const PythonDesign& self) { return Figures(self.Document()); },
            "The entries and the figures the design reached, as a dict (frequencies in Hz, "
            "attenuations in dB): order, order_exact, fp, fs, fp1, fp2, fs1, fs2, fc, "
            "bandwidth, attp, atts, atts_achieved, xs, xs_alt, eps_p2, eps_s2.")
        .def_property_readonly("notices", &PythonDesign::Notices,
                               "The messages of the notices the design gave, in order (the "
                               "desktop shows them as message boxes).")
        .def_property_readonly("file_sampling_frequency", &PythonDesign::FileSamplingFrequency,
                               "The sampling frequency (Hz) of the digital filter of the design "
                               "file the design was loaded from, or None.")
        .def(
            "zpk", [](const PythonDesign& self) { return ZpkTuple(self.AnalogCascade()); },
            "Zeros and poles (complex arrays, rad/s) and the gain, as "
            "scipy's analog zpk (scipy.signal.freqs_zpk takes them as they are).")
        .def(
            "digital",
            [](const PythonDesign& self, double fs) {
                return std::make_shared<PythonDigitalDesign>(self, fs);
            },
            py::arg("fs_hz"),
            "The digital filter for a sampling frequency in "
            "Hz (at least twice the design's highest frequency, or vorna.DesignError).")
        .def(
            "mask", [](const PythonDesign& self) { return Mask(self.Document()); },
            "The attenuation mask in ascending frequency: per band "
            "'band' ('pass' or 'stop'), 'low_hz', 'high_hz' (None: no upper end) and "
            "'limit_db' (pass: the lowest gain allowed; stop: the highest), counted from the "
            "top of the pass-band ripple.")
        .def(
            "mask_margin",
            [](const PythonDesign& self) {
                return analysis::MaskMarginDb(
                    self.AnalogCascade(), analysis::AttenuationMask(MaskEdgesOf(self.Document())));
            },
            "The smallest margin in dB by which the gain keeps to "
            "the mask (negative where it leaves it), sampled in every band.")
        .def("__repr__",
             [](const PythonDesign& self) {
                 return "<vorna.Design " + KindName(self.Document().kind) + " " +
                        ApproximationName(self.Document().approximation) + " order " +
                        std::to_string(self.Document().figures.order) + ">";
             })
        .def("save", &PythonDesign::Save, py::arg("path"),
             "Writes the design file (.vorna); raises OSError when it cannot.");
    AddCascadeMethods(design, &PythonDesign::AnalogCascade);

    module.def(
        "design",
        [](const std::string& kind, const std::string& approximation, std::optional<int> order,
           std::optional<double> fp, std::optional<double> fc, std::optional<double> fp1,
           std::optional<double> fp2, std::optional<double> attp, std::optional<double> atts,
           std::optional<double> xs, bool byOrder, std::optional<int> reference,
           std::optional<std::string> besselNorm) {
            DesignRequest request;
            request.kind = kind;
            request.approximation = approximation;
            request.order = order;
            request.fp = fp;
            request.fc = fc;
            request.fp1 = fp1;
            request.fp2 = fp2;
            request.attp = attp;
            request.atts = atts;
            request.xs = xs;
            request.byOrder = byOrder;
            request.reference = reference;
            request.besselNorm = besselNorm;
            return std::make_shared<PythonDesign>(request);
        },
        py::kw_only(), py::arg("kind") = "lp", py::arg("approximation") = "butterworth",
        py::arg("order") = py::none(), py::arg("fp") = py::none(), py::arg("fc") = py::none(),
        py::arg("fp1") = py::none(), py::arg("fp2") = py::none(), py::arg("attp") = py::none(),
        py::arg("atts") = py::none(), py::arg("xs") = py::none(), py::arg("by_order") = false,
        py::arg("reference") = py::none(), py::arg("bessel_norm") = py::none(), kDesignDoc);
    module.def(
        "load",
        [](const std::string& path) {
            return std::shared_ptr<PythonDesign>(PythonDesign::Load(path));
        },
        py::arg("path"), kLoadDoc);
}

}  // namespace vorna::python
