<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="ja">
<context>
    <name>LogTextBox</name>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>모두 선택(&amp;A)</translation>
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
        <translation>인터넷에 연결되어 있지 않거나 서버가 중지되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました</source>
        <translation>버전 번호를 인식하지 못했습니다</translation>
    </message>
    <message>
        <source>バージョン番号の解析に失敗しました。</source>
        <translation>버전 번호를 인식하지 못했습니다.</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした</source>
        <translation>버전 정보를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>バージョン情報が見つかりませんでした。</source>
        <translation>버전 정보를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>最新バージョンの確認</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>最新バージョンの有無を確認しています．．．</source>
        <translation>업데이트 확인 중…</translation>
    </message>
    <message>
        <source>最新バージョンが公開されています。</source>
        <translation>최신 버전이 공개되었습니다.</translation>
    </message>
    <message>
        <source>ダウンロードページを表示しますか？</source>
        <translation>다운로드 페이지를 여시겠습니까?</translation>
    </message>
    <message>
        <source>ダウンロードページを表示(&amp;O)</source>
        <translation>다운로드 페이지 열기(&amp;O)</translation>
    </message>
    <message>
        <source>今は何もしない(&amp;C)</source>
        <translation>나중에(&amp;C)</translation>
    </message>
    <message>
        <source>－－－－－デバッグ情報－－－－－</source>
        <translation>----- 디버그 정보 -----</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>最新バージョン「%1」が公開されています。</source>
        <translation>최신 버전(%1)이 공개되었습니다.</translation>
    </message>
    <message>
        <source>最新バージョンはありません。</source>
        <translation>새 버전이 없습니다.</translation>
    </message>
    <message>
        <source>現在使っているバージョンが最新です。</source>
        <translation>현재 사용 중인 버전이 최신입니다.</translation>
    </message>
    <message>
        <source>バージョン情報の取得に失敗しました。</source>
        <translation>버전 정보를 가져오지 못했습니다.</translation>
    </message>
    <message>
        <source>指定されたファイルが見つかりませんでした。</source>
        <translation>지정된 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>指定されたURLが見つかりませんでした。</source>
        <translation>지정된 URL을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>ブラウザを開くことができませんでした。</source>
        <translation>브라우저를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 最新バージョンの確認</source>
        <translation>%1 - 업데이트 확인</translation>
    </message>
</context>
</TS>
