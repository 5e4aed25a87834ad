"""An SMTP server on 127.0.0.1 for the e-mail tests.

servidor_smtp.py FOLDER: prints the port it listens on, then writes each
message it accepts as FOLDER/N.json (sender, recipients, subject, attachment
files) with the attachments beside it. A recipient starting with "recusa@"
is refused with 550.
"""
import asyncio
import email
import email.policy
import json
import os
import sys

from aiosmtpd.smtp import SMTP

PASTA = sys.argv[1]


class Guarda:
    recebidas = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("recusa@"):
            return "550 5.1.1 Destinatario recusado: " + address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        numero = Guarda.recebidas
        Guarda.recebidas += 1
        mensagem = email.message_from_bytes(envelope.content, policy=email.policy.default)
        anexos = []
        for parte in mensagem.iter_attachments():
            caminho = os.path.join(PASTA, "%d-%s" % (numero, parte.get_filename()))
            with open(caminho, "wb") as saida:
                saida.write(parte.get_content())
            anexos.append(caminho)
        dados = {"de": envelope.mail_from, "para": envelope.rcpt_tos, "assunto": str(mensagem["subject"]),
                 "anexos": anexos}
        with open(os.path.join(PASTA, "%d.tmp" % numero), "w") as saida:
            json.dump(dados, saida, ensure_ascii=False)
        os.rename(os.path.join(PASTA, "%d.tmp" % numero), os.path.join(PASTA, "%d.json" % numero))
        return "250 OK"


async def main():
    servidor = await asyncio.get_running_loop().create_server(lambda: SMTP(Guarda()), "127.0.0.1", 0)
    print(servidor.sockets[0].getsockname()[1], flush=True)
    await servidor.serve_forever()


asyncio.run(main())
