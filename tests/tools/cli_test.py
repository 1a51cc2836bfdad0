#!/usr/bin/env python3
"""Runs the built expurgos-cli on a temporary workspace and checks its exit
codes, what it prints and the files it writes.

    cli_test.py EXPURGOS_CLI SOURCE_DIR

The workspace is seeded with the default tables of SOURCE_DIR/data/workspace.
The calculations are small: one Bresser balance in each calculator, carried to
12/1990 (the example project of data/examples for the daily savings one).
"""
import os
import shutil
import subprocess
import sys
import tempfile

SP = "Débitos Judiciais São Paulo (mês a mês)"
MG = "Débitos Judiciais MG - MT - MS - ES (mês a mês)"
PR = "Débitos Judiciais PR (mês a mês)"
PR_NOT_PURGED = "Débitos Judiciais PR (mês a mês - não expurgada)"


def crlf_cp1252(lines):
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def month_record(first_line="Vers 1.22", balance="2.500,00"):
    """A month-by-month record: Bresser, 10% fees, 0,5% a month from 07/1987."""
    return crlf_cp1252([first_line, "6", "true"] + ["false"] * 5 + [
        "3", '"Plano Bresser",06/1987', '"Atualizar até",12/1990',
        "2", '"Plano Bresser",06/1987,Cz$,1,"%s"' % balance,
        "2", '"Plano Bresser",06/1987,,,',
        "false", "true", "false", "false",
        "3", '01/07/1987,01/12/1990,"0,5",', ",,Total,",
        "1", "false", "2", ",,,Não",
        "true", "true", "false", "10,00", "false", "false", "false"])


def project(window, extra=()):
    """A project holding only the section of the calculator it names."""
    return crlf_cp1252(
        ["[opcaoini]", "Opcao=" + window, "[Inicio]", "Versao=Vers 3.0", "[" + window + "]", "CPlanos=6"]
        + ["CPlanos@%d=%s" % (i, "true" if i == 0 else "false") for i in range(6)]
        + ["SPlanos@c=2", "SPlanos=3", 'SPlanos@1="Plano Bresser",06/1987', 'SPlanos@2="Atualizar até",12/1990',
           "SSaldo@c=5", "SSaldo=2", 'SSaldo@1="Plano Bresser",06/1987,Cz$,1,"3.000,00"',
           "SBase@c=5", "SBase=2", 'SBase@1="Plano Bresser",06/1987,"8,0802",07/1987,',
           "Rsimples=true", "Rsemjuros=true", "Chono=true", "Rpor=true", "Ehono=10,00", "Cnotas=true"]
        + list(extra))


class Runner:
    def __init__(self, cli, source):
        self.cli = cli
        self.source = source
        self.root = tempfile.mkdtemp(prefix="expurgos_cli_")
        self.ws = os.path.join(self.root, "ws")
        self.failures = []
        self.env = dict(os.environ, EXPURGOS_DATA_DIR=os.path.join(source, "data", "workspace"))

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def write(self, name, data):
        full = self.path(name)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)
        return full

    def run(self, *args):
        p = subprocess.run([self.cli] + list(args), capture_output=True, env=self.env, cwd=self.root)
        return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace")

    def check(self, what, ok, detail=""):
        if not ok:
            self.failures.append("%s %s" % (what, detail))
        print("%s: %s" % ("ok  " if ok else "FAIL", what))

    def expect(self, what, args, rc, stderr_has=(), stdout_has=()):
        code, out, err = self.run(*args)
        detail = "\n  exit %d\n  stdout: %s\n  stderr: %s" % (code, out.strip(), err.strip())
        self.check(what, code == rc
                   and all(s in err for s in stderr_has)
                   and all(s in out for s in stdout_has), detail)
        return out

    def report_of(self, what, out):
        """The report path printed last; checks that it exists and holds a total."""
        lines = [l for l in out.splitlines() if l.strip()]
        report = lines[-1] if lines else ""
        if report and not os.path.isabs(report):
            report = self.path(report)
        exists = os.path.isfile(report)
        self.check(what + ": report written", exists, report)
        if not exists:
            return b""
        data = open(report, "rb").read()
        self.check(what + ": report has a total", b"<b>TOTAL " in data and b"TOTAL = 0,00" not in data)
        return data


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    r = Runner(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    try:
        ws = r.ws
        daily = os.path.join(r.source, "data", "examples", "poupanca_bresser_verao.exp30")
        state = r.write("estado.exp30", project("Form5", ["Rtjsp=true"]))
        federal = r.write("federal.exp30", project("Form_jf"))
        sp = r.write("sp.e12", month_record())
        sp2 = r.write("outra/sp2.e12", month_record(balance="5.000,00"))

        # recalc: the three calculators it recomputes, one file at a time.
        for what, file in [("recalc Form2", daily), ("recalc Form5", state), ("recalc Form_jf", federal)]:
            r.report_of(what, r.expect(what, ["recalc", "--workspace", ws, file], 0))

        out = r.expect("recalc of three projects with --out-dir", [
            "recalc", "--workspace", ws, "--out-dir", r.path("rel"), "--save-dir", r.path("proj"),
            daily, state, federal], 0, stdout_has=["[1/3] ", "[3/3] "])
        for stem in ["poupanca_bresser_verao", "estado", "federal"]:
            r.check("report named after " + stem, os.path.isfile(r.path("rel", stem + ".html")), out)
            r.check("project saved as " + stem, os.path.isfile(r.path("proj", stem + ".exp30")))
        # A saved project recomputes again.
        r.report_of("saved Form_jf project", r.expect(
            "recalc of the saved Form_jf project", ["recalc", "--workspace", ws, r.path("proj", "federal.exp30")], 0))

        r.expect("recalc beyond the table", ["recalc", "--workspace", ws, "--until", "05/2099", federal], 3,
                 stderr_has=["A data 05/2099 não existe na tabela, atualize o índice"])
        r.expect("recalc with an update month that is not one",
                 ["recalc", "--workspace", ws, "--until", "1/2/2000", federal], 1,
                 stderr_has=["Mês inválido para --until: 1/2/2000"])
        r.expect("recalc of a missing file", ["recalc", "--workspace", ws, r.path("nada.exp30")], 1,
                 stderr_has=["Arquivo não encontrado"])
        r.expect("recalc without files", ["recalc", "--workspace", ws], 2, stderr_has=["uso:"])

        # recalc-record.
        rc_args = ["recalc-record", "--workspace", ws, "--caption", SP]
        out = r.expect("recalc-record São Paulo with --save", rc_args + ["--save", r.path("novo.e12"), sp], 0)
        first = r.report_of("recalc-record São Paulo", out)
        saved = r.path("novo.e12")
        r.check("record saved", os.path.isfile(saved)
                and open(saved, "rb").read().startswith(b"Vers 1.22\r\n6\r\ntrue\r\n"))
        r.check("saved record is the workspace backup",
                os.path.isfile(saved) and open(saved, "rb").read() == open(os.path.join(ws, "temp2.back"), "rb").read())
        again = r.report_of("saved record recomputed",
                            r.expect("recalc-record of the saved record", rc_args + [saved], 0))
        r.check("saved record gives the same report", first == again)

        out = r.expect("recalc-record until 06/1994", rc_args + ["--until", "06/1994", sp], 0)
        r.report_of("recalc-record until 06/1994", out)
        r.check("until reaches the record", b'"Atualizar at\xe9",06/1994\r\n' in
                open(os.path.join(ws, "temp2.back"), "rb").read())

        out = r.expect("recalc-record of two records", rc_args + [
            "--out-dir", r.path("rel2"), "--save-dir", r.path("rec"), sp, sp2], 0, stdout_has=["[1/2] ", "[2/2] "])
        for stem in ["sp", "sp2"]:
            r.check("report named after " + stem, os.path.isfile(r.path("rel2", stem + ".html")), out)
            r.check("record saved as " + stem, os.path.isfile(r.path("rec", stem + ".e12")))
        if os.path.isfile(r.path("rel2", "sp.html")) and os.path.isfile(r.path("rel2", "sp2.html")):
            r.check("each record has its own report",
                    open(r.path("rel2", "sp.html"), "rb").read() != open(r.path("rel2", "sp2.html"), "rb").read())

        r.expect("recalc-record with an unknown caption", ["recalc-record", "--workspace", ws,
                                                          "--caption", "Débitos Judiciais RJ", sp], 2,
                 stderr_has=[SP, MG, PR, PR_NOT_PURGED])
        r.expect("recalc-record without --caption", ["recalc-record", "--workspace", ws, sp], 2,
                 stderr_has=["--caption"])
        r.expect("recalc-record of MG without its table",
                 ["recalc-record", "--workspace", ws, "--caption", MG, sp], 3,
                 stderr_has=["tabela inexistente - faça a atualização das tabelas"])
        old = r.write("antigo.e12", month_record(first_line="Vers 1.21"))
        r.expect("recalc-record of an earlier version", rc_args + [old], 3,
                 stderr_has=["Este programa não abre o arquivo da versão anterior, use a versão 1.0"])
        estado = r.write("estado.e12", crlf_cp1252(["estados", "0"]))
        r.expect("recalc-record of a state record", rc_args + [estado], 2, stderr_has=["estados"])
        cut = r.write("cortado.e12", month_record()[:60])
        r.expect("recalc-record of a damaged record", rc_args + [cut], 1)
        r.expect("recalc-record beyond the table", rc_args + ["--until", "05/2099", sp], 3,
                 stderr_has=["A data 05/2099 não existe na tabela, atualize o índice"])
        r.expect("worst status of many files", rc_args + [sp, old], 3, stdout_has=["[2/2] "])
        same = r.write("outra/sp.e12", month_record())
        r.expect("two records of the same name", rc_args + ["--out-dir", r.path("rel3"), sp, same], 2,
                 stderr_has=["mesmo nome"])
        r.check("nothing written for refused names", not os.path.exists(r.path("rel3")))
    finally:
        shutil.rmtree(r.root, ignore_errors=True)

    if r.failures:
        print("\n%d failed:\n%s" % (len(r.failures), "\n".join(r.failures)))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
