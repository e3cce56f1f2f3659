<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>&amp;Iseci</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>Iz&amp;briši</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Izaberi &amp;sve</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>インターネットに接続されていないか、サーバーが停止している可能性があります。</source>
        <translation>Možda niste povezani na internet ili je server nedostupan.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>Prepoznavanje broja verzije nije uspelo</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>Prepoznavanje broja verzije nije uspelo.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>Podaci o verziji nisu pronađeni</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>Podaci o verziji nisu pronađeni.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>Provera ažuriranja</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>Provera da li ima ažuriranja…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>Objavljena je novija verzija.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>Da li želite da otvorite stranicu za preuzimanje?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>&amp;Otvori stranicu</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>&amp;Ne sada</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>--- Podaci za otklanjanje grešaka ---</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>Objavljena je novija verzija „%1”.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>Nema novije verzije.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>Koristite najnoviju verziju.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>Dobavljanje podataka o verziji nije uspelo.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>Navedena datoteka nije pronađena.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>Navedena URL adresa nije pronađena.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>Otvaranje pregledača nije uspelo.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 — Provera ažuriranja</translation>
    </message>
</context>
</TS>
